#pragma once

class frmmain;
class QString;

// File > 打开: replaces the table with the entries of a PLS, M3U or RAM file, which becomes
// the list's name. A failure shows what failed and changes nothing; the list is never left
// marked as saved.
void openList(frmmain &form);
// Open's steps once a file is chosen: the table, the name and the caption become the file's, or
// a message says why nothing changed.
void openPlaylist(frmmain &form, const QString &path);
