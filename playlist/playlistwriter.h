#pragma once

#include <QByteArray>
#include <QString>

class CodePage;
class PlaylistModel;

// The bytes of a playlist file, or the message that says why it cannot be written.
struct EncodedPlaylist {
    QByteArray bytes;
    QString error;
};

// Every row of the table, in table order, in the format that the target's extension selects:
// lines ended by CR LF, text in the given character set (UTF-8 for .m3u8), no byte-order mark.
// Refused with a message naming the target: an extension that selects no format, a path with
// a line break, a character the character set cannot hold.
EncodedPlaylist encodePlaylist(const QString &target, const PlaylistModel &rows,
                               const CodePage &codePage);
