#pragma once

#include "playlist/entrylocations.h"
#include "playlist/listedentry.h"
#include "playlist/playlistentry.h"
#include "playlist/result.h"

#include <QDir>
#include <QString>
#include <QStringList>

#include <vector>

class FileQuery;

// Playlist files are read whole, so one larger than this is refused before it is read.
inline constexpr qint64 MaxPlaylistBytes = 64 * 1024 * 1024;
// How many missing entries the message after a load names.
inline constexpr int MissingNamed = 5;

// An entry of a playlist file with its location resolved: an address as written, or the clean
// absolute path of a local entry.
struct ResolvedEntry {
    QString path;
    bool address = false;
    bool relative = false;
    QString title;
    int length = -1;
    QStringList directives{};
};

// file:// URIs (with or without "localhost") name local paths, percent-escapes decoded; any
// other "scheme://" is an address; a path is taken relative to the playlist's folder; a Windows
// path that names nothing as written is read as Windows reads it (windowsLocation).
ResolvedEntry resolveEntry(const ListedEntry &entry, const QDir &listFolder);

// The row of one resolved entry: a file's row as Add builds it, a folder's row, a missing
// file's row (its name and path), or an address's row (its last path segment as the name).
// Title, length and the relative origin go with it.
PlaylistEntry rowFor(const ResolvedEntry &entry, FileQuery &query);

// A playlist as Open needs it: every entry as a row, and which of them name no file.
struct LoadedPlaylist {
    std::vector<PlaylistEntry> rows;
    int missingCount = 0;
    // The paths of the first MissingNamed missing entries.
    QStringList firstMissing;
};

// Reads a PLS, M3U (.m3u, .m3u8), RAM, ASX, XSPF or Reference file, in the format its content
// says where it clearly says one, else in its extension's: every entry becomes a row, in file
// order, duplicates kept. Only the playlist file itself can fail the load: unreadable, not a
// regular file, larger than MaxPlaylistBytes, not of its format, of no format that its
// extension or its content names (UnknownFormat), or more entries than the table holds. No
// input can block or exhaust the program.
Result<LoadedPlaylist> loadPlaylistFile(const QString &path);
// The same for bytes already read from the file at path.
Result<LoadedPlaylist> loadPlaylistBytes(const QByteArray &bytes, const QString &path);

// Writes every row to target in the format its extension selects. The old file is replaced
// only once every byte of the new one has reached the disk, and keeps its owner, mode and
// extended attributes (a file of several hard links is written in place). A FIFO, a device, a
// socket or a folder, or a link to one, is refused before anything is opened on it.
Result<void> savePlaylistFile(const QString &target, const std::vector<PlaylistEntry> &rows,
                              const WriteOptions &options = {});
