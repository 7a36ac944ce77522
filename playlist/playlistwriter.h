#pragma once

#include "playlist/playlistentry.h"
#include "playlist/result.h"

#include <QByteArray>
#include <QString>

#include <vector>

class CodePage;

// Every row, in order, in the format that the target's extension selects: lines ended by CR LF,
// text in the given character set (UTF-8 for .m3u8), no byte-order mark. Refused with a message
// naming the target: an extension that selects no format, a path with a line break, a character
// the character set cannot hold.
Result<QByteArray> encodePlaylist(const QString &target, const std::vector<PlaylistEntry> &rows,
                                  const CodePage &codePage);
