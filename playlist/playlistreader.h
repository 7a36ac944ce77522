#pragma once

#include "playlist/result.h"

#include <QByteArray>
#include <QStringList>

class CodePage;

// The text of a playlist file: by its byte-order mark (UTF-8, UTF-16 or UTF-32; the mark is
// removed) where it has one; else UTF-8 when utf8Only is set; else the system's character set,
// and GB18030 for bytes that are not valid in it, so GBK playlists from Chinese Windows systems
// open.
QString decodePlaylistText(const QByteArray &bytes, const CodePage &codePage, bool utf8Only);

// The entries of one playlist text in file order, as written (relative paths stay relative), at
// most as many as the table holds. list names the playlist file in messages.

// "[playlist]" (any case) as the first line, then File1 .. FileN with N from NumberOfEntries.
Result<QStringList> readPlsPaths(const QString &text, const QString &list);
// Every line that is not empty and does not start with "#"; file:// URIs become local paths.
Result<QStringList> readM3uPaths(const QString &text, const QString &list);
// Every line that is not empty, less its first seven characters (the "file://" written).
Result<QStringList> readRamPaths(const QString &text, const QString &list);
