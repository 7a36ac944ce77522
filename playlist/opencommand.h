#pragma once

class frmmain;
class QString;

// File > 打开: replaces the table with the entries of a playlist file, which becomes the list's
// name. A failure shows what failed and changes nothing; the list is never left marked as saved.
void openList(frmmain &form);
// Open's steps once a file is chosen: rows that a command changed since the last Open, New or
// Save are offered for saving first; then the table, the name and the caption become the file's,
// or a message says why nothing changed. Entries whose files are missing stay as rows, and one
// message names the first of them.
void openPlaylist(frmmain &form, const QString &path);
