#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// What a row needs to know of the entry at a path, links followed, from one question to the
// file system: what it is, its size, and when it was made. Where the file system keeps no birth
// time, the last change stands in for it.
struct FileFacts {
    enum class Kind { File, Folder, Other };

    Kind kind = Kind::Other;
    qint64 size = 0;
    QDateTime created;

    // The facts, or nothing when no entry can be reached at path.
    static std::optional<FileFacts> of(const QString &path);
    // Whether an entry can be reached at path: the same question, with no times to convert.
    static bool exists(const QString &path);
};
