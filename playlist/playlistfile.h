#pragma once

#include "playlist/playlistentry.h"
#include "playlist/result.h"

#include <QString>

#include <vector>

class CodePage;

// Playlist files are read whole, so one larger than this is refused before it is read.
inline constexpr qint64 MaxPlaylistBytes = 64 * 1024 * 1024;

// Reads a PLS, M3U (.m3u, .m3u8) or RAM file. Rows are built as Add builds them, in file
// order, duplicates kept; relative entries are taken from the playlist file's folder. Either
// every entry names an existing file and all rows come back, or the load fails. Only a regular
// file of at most MaxPlaylistBytes is read, so no input can block or exhaust the program.
Result<std::vector<PlaylistEntry>> loadPlaylistFile(const QString &path, const CodePage &codePage);

// Writes every row to target in the format its extension selects. The old file is replaced
// only once every byte of the new one has reached the disk.
Result<void> savePlaylistFile(const QString &target, const std::vector<PlaylistEntry> &rows,
                              const CodePage &codePage);
