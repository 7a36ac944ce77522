#pragma once

#include <QString>

#include <optional>

// The playlist formats, chosen by the extension of the playlist file's path.
enum class PlaylistFormat {
    Pls,
    M3u,
    // M3U under its own extension: always UTF-8, whatever the system's character set.
    M3u8,
    Ram,
    // ASX and XSPF are XML, and always UTF-8.
    Asx,
    Xspf,
};

// The text after the last "." of the whole path, in lower case; the whole path when it has
// no "." at all (so a dot in a folder name yields "lists/new").
QString extensionOf(const QString &path);

// The format that the path's extension selects, or nothing.
std::optional<PlaylistFormat> formatOf(const QString &path);

// Whether the format's text is UTF-8 whatever the character set asked for.
bool isAlwaysUtf8(PlaylistFormat format);
