#pragma once

#include <QString>

// Folders on the disk an export writes to. Each answers 0, or the system's error number.
namespace DiskFolder {

// Makes the folder itself; its parent must exist.
int make(const QString &folder);
// Writes every change to the file system that holds the folder out to the disk, so that a
// stick can be pulled out as soon as this returns.
int syncFileSystem(const QString &folder);

} // namespace DiskFolder
