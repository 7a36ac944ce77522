#pragma once

class frmmain;
class QString;

// Writes the whole table to target; a refused or failed write shows a message naming the file
// and returns false, the old file untouched.
bool WritePlaylist(frmmain &form, const QString &target);

// Where the list is saved: its own file, without a question, or, while it has none or one whose
// extension names no format that Vantrel writes, a file chosen in the save dialog. Empty when the
// user cancelled the dialog.
QString saveTarget(frmmain &form);

// File > 保存: into the save target; the written file becomes the list's name and the list is
// saved.
void saveList(frmmain &form);
// File > 另存为: a copy into a file chosen in the dialog; the document state stays as it is.
void saveListAs(frmmain &form);
