#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file at path with bytes, or leaves it as it was: the bytes go to a temporary file
// beside it, which takes the file's place only once every byte has reached the disk. Returns the
// system's error number when it failed (ENOSPC), or 0.
int replaceFileContents(const QString &path, const QByteArray &bytes);
