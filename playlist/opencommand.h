#pragma once

class frmmain;

// File > 打开: replaces the table with the entries of a PLS, M3U or RAM file, which becomes
// the list's name. A failure shows what failed and changes nothing; the list is never left
// marked as saved.
void openList(frmmain &form);
