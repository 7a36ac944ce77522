#pragma once

#include <QByteArray>
#include <QString>

// How a replacement of a file's contents ended.
struct FileReplacement {
    enum class Status {
        Written,
        // A FIFO, a device, a socket or a folder, or a link to one: nothing was opened on it.
        NotRegular,
        Failed,
    };

    Status status = Status::Written;
    // The system's error number when it failed.
    int error = 0;
    // Where the old contents are when a failure in the middle could not put them back.
    QString backup;
};

// Replaces the contents of the file at path with bytes, or leaves it as it was. A link is followed
// to the file it names, and stays a link. The new contents go to a file beside the old one, which
// takes its place once every byte has reached the disk, with the old file's owner (where the
// system permits it), mode and extended attributes. A file of several hard links is written in
// place instead, so that each of its names sees the new contents: its old contents wait in a
// hidden backup beside it until the new ones are on the disk, and go back if writing fails.
FileReplacement replaceFileContents(const QString &path, const QByteArray &bytes);
