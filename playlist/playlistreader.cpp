#include "playlist/playlistreader.h"

#include "playlist/playlistentry.h"
#include "playlist/playlisttexts.h"
#include "playlist/profilefile.h"
#include "playlist/textlines.h"
#include "playlist/xmlplaylistreader.h"

#include <QRegularExpression>
#include <QStringDecoder>

#include <optional>
#include <vector>

namespace {

// "#EXTINF:<seconds>[ attributes],<title>"; seconds may be -1 for unknown.
void readExtinf(QStringView info, ListedEntry &entry) {
    static const QRegularExpression seconds(QStringLiteral("^\\s*(-?\\d{1,9})(?!\\d)"));
    const qsizetype comma = info.indexOf(QLatin1Char(','));
    const QRegularExpressionMatch match = seconds.match(info.left(comma));
    bool ok = false;
    const int length = match.hasMatch() ? match.captured(1).toInt(&ok) : -1;
    entry.length = ok && length >= 0 ? length : -1;
    entry.title = comma < 0 ? QString() : info.mid(comma + 1).trimmed().toString();
}

std::vector<ListedEntry> m3uEntries(const QString &text) {
    const QLatin1String extinf("#EXTINF:");
    std::vector<ListedEntry> entries;
    ListedEntry next;
    for (const QStringView line : splitLines(text)) {
        const QStringView trimmed = line.trimmed();
        if (trimmed.startsWith(extinf, Qt::CaseInsensitive))
            readExtinf(trimmed.mid(extinf.size()), next);
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        next.location = trimmed.toString();
        entries.push_back(std::exchange(next, {}));
    }
    return entries;
}

std::vector<ListedEntry> ramEntries(const QString &text) {
    std::vector<ListedEntry> entries;
    for (const QStringView line : splitLines(text)) {
        const QStringView location = line.trimmed();
        if (!location.isEmpty())
            entries.push_back({location.toString()});
    }
    return entries;
}

// The number N of a key that reads name + N, N from 1 to last in plain decimal; 0 for any other
// key.
int keyNumber(QStringView key, QLatin1String name, int last) {
    if (key.size() <= name.size() || key.size() > name.size() + 9 ||
        !ProfileFile::sameName(key.left(name.size()), name) || key[name.size()] == u'0')
        return 0;
    int number = 0;
    for (const QChar c : key.mid(name.size())) {
        if (c < u'0' || c > u'9')
            return 0;
        number = number * 10 + (c.unicode() - u'0');
    }
    return number <= last ? number : 0;
}

Result<std::vector<ListedEntry>> plsEntries(const QString &text, const QString &list) {
    qsizetype firstLineEnd = 0;
    while (firstLineEnd < text.size() && text[firstLineEnd] != u'\r' && text[firstLineEnd] != u'\n')
        ++firstLineEnd;
    if (!ProfileFile::sameName(QStringView(text).left(firstLineEnd), QLatin1String("[playlist]")))
        return Failure{PlaylistTexts::notPls()};

    // The first value of each key, by number, read in one pass. A number past one more than the
    // table holds is never read: a count that large fails.
    constexpr int LastNumber = MaxRows + 1;
    using Values = std::vector<std::optional<QStringView>>;
    Values files, titles, lengths;
    std::optional<QStringView> countText;
    const auto keep = [](Values &values, int number, QStringView value) {
        if (values.size() < size_t(number))
            values.resize(size_t(number));
        if (!values[size_t(number - 1)])
            values[size_t(number - 1)] = value;
    };
    ProfileFile::forEachKey(
        text, QLatin1String("playlist"), [&](QStringView key, QStringView value) {
            if (const int number = keyNumber(key, QLatin1String("file"), LastNumber))
                keep(files, number, value);
            else if (const int number = keyNumber(key, QLatin1String("title"), LastNumber))
                keep(titles, number, value);
            else if (const int number = keyNumber(key, QLatin1String("length"), LastNumber))
                keep(lengths, number, value);
            else if (!countText && ProfileFile::sameName(key, QLatin1String("numberofentries")))
                countText = value;
        });
    int count = countText ? ProfileFile::intValue(*countText) : -1;
    // Without a count players read every FileN; an empty table would let the next Save
    // overwrite them.
    if (count < 0)
        count = int(files.size());
    if (count > MaxRows)
        return Failure{PlaylistTexts::tooManyEntries(list, count, MaxRows)};
    const auto value = [](const Values &values, int number) {
        return size_t(number) <= values.size() && values[size_t(number - 1)]
                   ? values[size_t(number - 1)]->trimmed()
                   : QStringView();
    };
    std::vector<ListedEntry> entries;
    entries.reserve(size_t(count));
    for (int number = 1; number <= count; ++number) {
        ListedEntry entry{value(files, number).toString(), value(titles, number).toString()};
        bool ok = false;
        const int length = value(lengths, number).toInt(&ok);
        entry.length = ok && length >= 0 ? length : -1;
        if (!entry.location.isEmpty())
            entries.push_back(std::move(entry));
    }
    return entries;
}

Result<std::vector<ListedEntry>> entriesOf(PlaylistFormat format, const QString &text,
                                           const QString &list) {
    switch (format) {
    case PlaylistFormat::Pls:
        return plsEntries(text, list);
    case PlaylistFormat::M3u:
    case PlaylistFormat::M3u8:
        return m3uEntries(text);
    case PlaylistFormat::Ram:
        return ramEntries(text);
    case PlaylistFormat::Asx:
        return readAsxEntries(text);
    case PlaylistFormat::Xspf:
        break;
    }
    return readXspfEntries(text);
}

} // namespace

QString decodePlaylistText(const QByteArray &bytes, bool utf8Only) {
    // A byte-order mark names the encoding, whatever else is asked; the decoder drops the mark.
    if (const std::optional<QStringConverter::Encoding> marked =
            QStringConverter::encodingForData(bytes))
        return QStringDecoder(*marked).decode(bytes);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (utf8Only || !utf8.hasError())
        return text;
    QStringDecoder gb18030("GB18030");
    return gb18030.decode(bytes);
}

Result<std::vector<ListedEntry>> readPlaylistEntries(PlaylistFormat format, const QString &text,
                                                     const QString &list) {
    Result<std::vector<ListedEntry>> entries = entriesOf(format, text, list);
    if (entries.ok() && entries.value().size() > size_t(MaxRows))
        return Failure{
            PlaylistTexts::tooManyEntries(list, qsizetype(entries.value().size()), MaxRows)};
    return entries;
}
