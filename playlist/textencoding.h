#pragma once

#include "playlist/listedentry.h"
#include "playlist/playlistformat.h"
#include "playlist/result.h"

#include <QByteArray>
#include <QDir>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <vector>

// The text of a playlist file as UTF-8: by its byte-order mark (UTF-8, UTF-16 or UTF-32; the
// mark is removed) where it has one, else as UTF-8 with faults replaced. sure tells whether that
// is what the file is: it had a mark, or its bytes are valid UTF-8.
struct PlaylistText {
    QString text;
    bool sure = false;
};
PlaylistText decodePlaylistText(const QByteArray &bytes);

// The texts that bytes written in a legacy character set may be: GB18030 (which reads GBK) and
// Windows-1252, each only where it decodes every byte (Windows-1252 leaves five bytes undefined,
// and these fail it too), the one that locale prefers first: GB18030 under a Chinese locale.
// Where neither decodes every byte, the preferred one with the faults replaced.
QStringList legacyDecodings(const QByteArray &bytes, const QLocale &locale = QLocale::system());

// The entries of a playlist file in a legacy character set: of its decodings, the one under which
// more local entries name existing files (only the entries where the decodings differ are looked
// up), the one locale prefers on a tie. listFolder is the folder of the playlist file list.
Result<std::vector<ListedEntry>> readLegacyEntries(PlaylistFormat format, const QByteArray &bytes,
                                                   const QString &list, const QDir &listFolder,
                                                   const QLocale &locale = QLocale::system());
