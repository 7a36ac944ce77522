#pragma once

#include <QDir>
#include <QString>

#include <optional>

// Where a local path of a list made on Windows leads.
struct WindowsLocation {
    // A clean absolute path, an smb:// address, or a drive path kept as written.
    QString path;
    bool address = false;
    // Found relative to the list's folder, and written relative to it again.
    bool relative = false;
};

// A path that uses "\" or a drive letter and names nothing as written, read as Windows reads it:
// with "\" separating folders, the file it names when that is there (a relative path against
// listFolder); "X:\…" and "\…" name the file at the same path below listFolder when it is there,
// else stay as written (a missing row, written back as it came); "\\server\share\…" is the
// address smb://server/share/…. Nothing for any other path, for a path from the root without a
// drive, for a Linux name that holds "\" and is there, and for a path that names nothing either
// way (it stays as written).
std::optional<WindowsLocation> windowsLocation(const QString &path, const QDir &listFolder);

// The clean absolute path that path names from folder: itself when it starts at the root, not
// cleaned when it is too long to name a file. A leading ":" is part of a name (QDir would take
// ":/a" for one of the program's resources).
QString pathFrom(const QDir &folder, const QString &path);

// The file name of a local path: after its last "/", or its last "\" in a Windows path kept as
// written, the one local path that does not start at the root.
QString localFileName(const QString &path);
