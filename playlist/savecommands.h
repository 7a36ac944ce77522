#pragma once

class frmmain;
class QString;

// Writes the whole table to target; a refused or failed write shows a message naming the file
// and returns false, the old file untouched.
bool WritePlaylist(frmmain &form, const QString &target);

// The save dialog with the playlist filter and the overwrite prompt, preset with initialName;
// returns the dialog's file name (the preset when cancelled).
QString askSaveTarget(frmmain &form, const QString &initialName);

// File > 保存: into listname, or through the dialog while the list has no file; the written
// file becomes the list's name and the list is saved.
void saveList(frmmain &form);
// File > 另存为: a copy into a file chosen in the dialog; the document state stays as it is.
void saveListAs(frmmain &form);
