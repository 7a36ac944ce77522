#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Replaces the file at path with bytes, or leaves it as it was: the bytes go to a temporary file
// beside it, which takes the file's place only once every byte has reached the disk. Returns the
// system's reason when it failed ("No space left on device"), or nothing.
std::optional<QString> replaceFileContents(const QString &path, const QByteArray &bytes);
