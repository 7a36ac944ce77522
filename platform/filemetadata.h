#pragma once

#include <QByteArray>

#include <sys/stat.h>

// Gives the open file fd what the file at path has besides its bytes: its owner where the system
// permits it (root may give a file to anyone, a user only to a group he is a member of), its
// extended attributes (POSIX ACLs among them) and its mode, setgid and read-only bits included;
// info is the stat of that file. Attributes that the user may not set (trusted.*, some
// security.*) stay behind. Answers 0, or the system's error number.
int copyFileMetadata(const QByteArray &path, const struct stat &info, int fd);
