#pragma once

#include <QByteArray>
#include <QStringList>

class CodePage;

// The text of a playlist file: UTF-8 after a UTF-8 byte-order mark (which is removed) or when
// utf8Only is set; otherwise the system's character set, and GB18030 for bytes that are not
// valid in it, so GBK playlists from Chinese Windows systems open.
QString decodePlaylistText(const QByteArray &bytes, const CodePage &codePage, bool utf8Only);

// The entries of one playlist text in file order, as written (relative paths stay relative).
// list names the playlist file in messages.
struct PlaylistPaths {
    enum class Status { Read, NotPls, Failed };
    Status status = Status::Read;
    QStringList paths;
    QString error;
};

// "[playlist]" (any case) as the first line, then File1 .. FileN with N from NumberOfEntries.
PlaylistPaths readPlsPaths(const QString &text, const QString &list);
// Every line that is not empty and does not start with "#"; file:// URIs become local paths.
PlaylistPaths readM3uPaths(const QString &text, const QString &list);
// Every line that is not empty, less its first seven characters (the "file://" written).
PlaylistPaths readRamPaths(const QString &text, const QString &list);
