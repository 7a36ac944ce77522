#pragma once

#include <QByteArray>
#include <QString>

// The bytes of a file that the user named, read without ever blocking: only a regular file (a
// link is followed to what it names) no larger than a limit is read. A FIFO, a device, a socket
// or a folder is refused before a byte is read, and so is a file above the limit.
struct RegularFileBytes {
    enum class Status { Read, CannotOpen, NotRegular, TooLarge };

    Status status = Status::Read;
    QByteArray bytes;
    // The system's error number when the file could not be opened or read.
    int error = 0;

    static RegularFileBytes read(const QString &path, qint64 maxSize);
};
