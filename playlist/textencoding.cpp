#include "playlist/textencoding.h"

#include "platform/filefacts.h"
#include "playlist/playlistfile.h"
#include "playlist/playlistreader.h"

#include <QStringDecoder>

#include <cstdlib>
#include <optional>

namespace {

// The text of bytes in charset, or nothing when a byte does not decode.
std::optional<QString> strictly(const char *charset, const QByteArray &bytes) {
    QStringDecoder decoder(charset, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// The codec maps the five bytes that Windows-1252 leaves undefined to control characters, which
// no file name holds; they mark the text as another character set's.
std::optional<QString> windows1252(const QByteArray &bytes) {
    for (const char byte : bytes) {
        const uchar c = uchar(byte);
        if (c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D)
            return std::nullopt;
    }
    return strictly("windows-1252", bytes);
}

bool namesFile(const std::vector<ListedEntry> &entries, size_t index, const QDir &listFolder) {
    if (index >= entries.size())
        return false;
    // A Windows path kept as written names no file here.
    const ResolvedEntry resolved = resolveEntry(entries[index], listFolder);
    return !resolved.address && resolved.path.startsWith(u'/') && FileFacts::exists(resolved.path);
}

// Whether second names more existing files than first. Only the entries whose locations differ
// are looked up, and only until the rest can no longer change the answer.
bool namesMoreFiles(const std::vector<ListedEntry> &second, const std::vector<ListedEntry> &first,
                    const QDir &listFolder) {
    std::vector<size_t> differing;
    for (size_t i = 0; i < std::max(first.size(), second.size()); ++i) {
        if (i >= first.size() || i >= second.size() || first[i].location != second[i].location)
            differing.push_back(i);
    }
    qsizetype lead = 0;
    qsizetype left = qsizetype(differing.size());
    for (const size_t index : differing) {
        lead +=
            int(namesFile(second, index, listFolder)) - int(namesFile(first, index, listFolder));
        --left;
        if (lead > left || lead <= -left)
            break;
    }
    return lead > 0;
}

} // namespace

PlaylistText decodePlaylistText(const QByteArray &bytes) {
    // A byte-order mark names the encoding, whatever else is asked; the decoder drops the mark.
    if (const std::optional<QStringConverter::Encoding> marked =
            QStringConverter::encodingForData(bytes))
        return {QStringDecoder(*marked).decode(bytes), true};
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    return {std::move(text), !utf8.hasError()};
}

QStringList legacyDecodings(const QByteArray &bytes, const QLocale &locale) {
    const bool chinese = locale.language() == QLocale::Chinese;
    std::optional<QString> preferred = chinese ? strictly("GB18030", bytes) : windows1252(bytes);
    std::optional<QString> other = chinese ? windows1252(bytes) : strictly("GB18030", bytes);
    QStringList texts;
    if (preferred)
        texts << *preferred;
    if (other && other != preferred)
        texts << *other;
    if (texts.isEmpty())
        texts << QStringDecoder(chinese ? "GB18030" : "windows-1252").decode(bytes);
    return texts;
}

Result<std::vector<ListedEntry>> readLegacyEntries(PlaylistFormat format, const QByteArray &bytes,
                                                   const QString &list, const QDir &listFolder,
                                                   const QLocale &locale) {
    const QStringList texts = legacyDecodings(bytes, locale);
    Result<std::vector<ListedEntry>> first = readPlaylistEntries(format, texts.first(), list);
    if (texts.size() == 1)
        return first;
    Result<std::vector<ListedEntry>> second = readPlaylistEntries(format, texts[1], list);
    if (!first.ok() || !second.ok())
        return first.ok() || !second.ok() ? std::move(first) : std::move(second);
    return namesMoreFiles(second.value(), first.value(), listFolder) ? std::move(second)
                                                                     : std::move(first);
}
