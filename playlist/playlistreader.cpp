#include "playlist/playlistreader.h"

#include "playlist/playlistentry.h"
#include "playlist/playlisttexts.h"
#include "playlist/profilefile.h"
#include "playlist/textlines.h"
#include "playlist/xmlplaylistreader.h"

#include <QRegularExpression>
#include <QStringDecoder>

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
    for (const QString &line : splitLines(text)) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(extinf, Qt::CaseInsensitive))
            readExtinf(QStringView(trimmed).mid(extinf.size()), next);
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        next.location = trimmed;
        entries.push_back(std::exchange(next, {}));
    }
    return entries;
}

std::vector<ListedEntry> ramEntries(const QString &text) {
    std::vector<ListedEntry> entries;
    for (const QString &line : splitLines(text)) {
        const QString location = line.trimmed();
        if (!location.isEmpty())
            entries.push_back({location});
    }
    return entries;
}

Result<std::vector<ListedEntry>> plsEntries(const QString &text, const QString &list) {
    const QStringList lines = splitLines(text);
    if (lines.isEmpty() || lines.first().toLower() != QLatin1String("[playlist]"))
        return Failure{PlaylistTexts::notPls()};

    const QString section = QStringLiteral("playlist");
    const ProfileFile profile(text);
    int count = profile.intValue(section, QStringLiteral("NumberOfEntries"), -1);
    if (count < 0) {
        // Without a count players read every FileN; an empty table would let the next Save
        // overwrite them.
        count = 0;
        for (int number = 1; number <= MaxRows + 1; ++number) {
            if (profile.value(section, QStringLiteral("file%1").arg(number)))
                count = number;
        }
    }
    if (count > MaxRows)
        return Failure{PlaylistTexts::tooManyEntries(list, count, MaxRows)};
    std::vector<ListedEntry> entries;
    for (int number = 1; number <= count; ++number) {
        const auto value = [&](const char *key) {
            return profile.value(section, QLatin1String(key) + QString::number(number))
                .value_or(QString())
                .trimmed();
        };
        ListedEntry entry{value("file"), value("title")};
        bool ok = false;
        const int length = value("length").toInt(&ok);
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
