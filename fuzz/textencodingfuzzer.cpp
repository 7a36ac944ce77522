#include "playlist/playlistentry.h"
#include "playlist/playlistreader.h"
#include "playlist/textencoding.h"

#include <QDir>

#include <cstdlib>

// Open's reading of text: the byte-order mark or UTF-8, then the legacy character sets with the
// reader the content or the extension names, under a Chinese and a Western locale.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const PlaylistText text = decodePlaylistText(bytes);
    // Valid UTF-8 without a mark is read without losing a byte.
    if (text.sure && !QStringConverter::encodingForData(bytes) && text.text.toUtf8() != bytes)
        std::abort();
    const FormatInfo *format = formatToRead(text.text, QStringLiteral("l.m3u"));
    const QDir folder(QStringLiteral("/nonexistent/list"));
    for (const QLocale &locale : {QLocale(QLocale::Chinese, QLocale::China), QLocale::c()}) {
        if (legacyDecodings(bytes, locale).isEmpty())
            std::abort();
        const Result<std::vector<ListedEntry>> entries =
            readLegacyEntries(format->format, bytes, QStringLiteral("l"), folder, locale);
        if (entries.ok() && entries.value().size() > size_t(MaxRows))
            std::abort();
    }
    return 0;
}
