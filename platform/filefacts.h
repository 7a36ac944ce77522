#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

// What a row needs to know of the entry at a path, links followed, from one question to the
// file system: what it is, its size, when it was made and when it last changed. Where the file
// system keeps no birth time, the last change stands in for it.
struct FileFacts {
    enum class Kind { File, Folder, Other };

    Kind kind = Kind::Other;
    qint64 size = 0;
    QDateTime created;
    // When the contents and the entry itself last changed, in nanoseconds since the epoch. A
    // program can set the first back after writing; nothing can set the second.
    qint64 modified = 0;
    qint64 changed = 0;

    // The facts, or nothing when no entry can be reached at path.
    static std::optional<FileFacts> of(const QString &path);
    // Whether an entry can be reached at path: the same question, with no times to convert.
    static bool exists(const QString &path);
    // The bytes the system names path by, or nothing for a path that names no file and is never
    // looked up: one with a NUL, or one longer than PATH_MAX bytes.
    static std::optional<QByteArray> systemName(const QString &path);
    // Whether path is longer than any the system takes, told without encoding it: every
    // character takes at least one byte.
    static bool isTooLong(const QString &path);
};
