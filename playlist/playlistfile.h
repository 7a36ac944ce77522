#pragma once

#include "app/playlistentry.h"

#include <QString>

#include <vector>

class CodePage;
class PlaylistModel;

// A playlist file read and every row built from the media files it names, or what stopped it.
struct LoadedPlaylist {
    enum class Outcome {
        Loaded,
        // The extension selects no format that can be read; nothing was read.
        NotReadable,
        // A .pls file without the "[playlist]" first line.
        NotPls,
        Failed,
    };
    Outcome outcome = Outcome::Loaded;
    std::vector<PlaylistEntry> rows;
    QString error;
};

// Reads a PLS, M3U (.m3u, .m3u8) or RAM file. Rows are built as Add builds them, in file
// order, duplicates kept; relative entries are taken from the playlist file's folder. Either
// every entry names an existing file and all rows come back, or the load fails.
LoadedPlaylist loadPlaylistFile(const QString &path, const CodePage &codePage);

// Writes every row to target in the format its extension selects. The old file is replaced
// only once the new one is complete. Returns the message for the user, or an empty text.
QString savePlaylistFile(const QString &target, const PlaylistModel &rows,
                         const CodePage &codePage);
