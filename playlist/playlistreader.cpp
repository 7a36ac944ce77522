#include "playlist/playlistreader.h"

#include "playlist/playlistentry.h"
#include "playlist/playlisttexts.h"
#include "playlist/profilefile.h"
#include "playlist/textlines.h"
#include "playlist/xmlplaylistreader.h"

#include <QRegularExpression>

#include <map>
#include <optional>
#include <vector>

namespace {

// The comma before an "#EXTINF" title: the first outside double quotes, since attribute values
// (tvg-name="News, Live") may hold commas; with a quote left open, the first of all.
qsizetype titleComma(QStringView info) {
    bool quoted = false;
    for (qsizetype i = 0; i < info.size(); ++i) {
        if (info[i] == u'"')
            quoted = !quoted;
        else if (info[i] == u',' && !quoted)
            return i;
    }
    return info.indexOf(u',');
}

// "#EXTINF:<seconds>[ attributes],<title>"; seconds may be -1 for unknown.
void readExtinf(QStringView info, ListedEntry &entry) {
    static const QRegularExpression seconds(QStringLiteral("^\\s*(-?\\d{1,10})(?!\\d)"));
    const qsizetype comma = titleComma(info);
    const QRegularExpressionMatch match = seconds.match(info.left(comma));
    bool ok = false;
    const int length = match.hasMatch() ? match.captured(1).toInt(&ok) : -1;
    entry.length = ok && length >= 0 ? length : -1;
    entry.title = comma < 0 ? QString() : info.mid(comma + 1).trimmed().toString();
}

// The number N of a key that reads name + N, N from 1 in plain decimal of at most nine digits;
// 0 for any other key.
int keyNumber(QStringView key, QLatin1String name) {
    if (key.size() <= name.size() || key.size() > name.size() + 9 ||
        !ProfileFile::sameName(key.left(name.size()), name) || key[name.size()] == u'0')
        return 0;
    int number = 0;
    for (const QChar c : key.mid(name.size())) {
        if (c < u'0' || c > u'9')
            return 0;
        number = number * 10 + (c.unicode() - u'0');
    }
    return number;
}

// The first value of each numbered key of one name, by number. One number more than the table
// holds is enough to refuse the list, so no more are kept.
using NumberedValues = std::map<int, QStringView>;
void keep(NumberedValues &values, int number, QStringView value) {
    if (number > 0 && values.size() <= size_t(MaxRows))
        values.emplace(number, value.trimmed());
}

// The first line of text that is not blank, found without splitting the whole text.
QStringView firstLine(QStringView text) {
    for (qsizetype start = 0; start < text.size();) {
        // Qt's own search: a list may be one line of megabytes.
        const qsizetype feed = text.indexOf(u'\n', start);
        const qsizetype lineEnd = feed < 0 ? text.size() : feed;
        const qsizetype cr = text.left(lineEnd).indexOf(u'\r', start);
        const qsizetype end = cr < 0 ? lineEnd : cr;
        const QStringView line = text.mid(start, end - start);
        if (!line.trimmed().isEmpty())
            return line;
        start = end + 1;
    }
    return {};
}

// Whether the first line of text that is not blank is the header, as written (any case).
bool startsWithHeader(QStringView text, QLatin1String header) {
    return ProfileFile::sameName(firstLine(text), header);
}

// An M3U line of another "#EXT" kind than the header and "#EXTINF", kept with its entry.
bool isDirective(QStringView line) {
    return line.startsWith(QLatin1String("#EXT"), Qt::CaseInsensitive) &&
           !line.startsWith(QLatin1String("#EXTINF"), Qt::CaseInsensitive) &&
           !line.startsWith(QLatin1String("#EXTM3U"), Qt::CaseInsensitive);
}

// The name of the first element of an XML or ASX text, after blanks, the declaration, comments
// and a document type; nothing for a text that does not start with one.
QStringView rootElement(QStringView text) {
    for (qsizetype at = 0;;) {
        while (at < text.size() && text[at].isSpace())
            ++at;
        const QStringView rest = text.mid(at);
        if (!rest.startsWith(u'<'))
            return {};
        if (!rest.startsWith(QLatin1String("<?")) && !rest.startsWith(QLatin1String("<!"))) {
            qsizetype end = 1;
            while (end < rest.size() && (rest[end].isLetterOrNumber() || rest[end] == u':'))
                ++end;
            return rest.mid(1, end - 1);
        }
        const QLatin1String close(rest.startsWith(QLatin1String("<!--")) ? "-->" : ">");
        const qsizetype end = text.indexOf(close, at);
        if (end < 0)
            return {};
        at = end + close.size();
    }
}

// The format a text says it is by its first line or element, or nothing.
std::optional<PlaylistFormat> formatOfContent(QStringView text) {
    const QStringView line = firstLine(text);
    if (ProfileFile::sameName(line, QLatin1String("[playlist]")))
        return PlaylistFormat::Pls;
    if (line.startsWith(QLatin1String("#EXTM3U"), Qt::CaseInsensitive))
        return PlaylistFormat::M3u;
    if (ProfileFile::sameName(line, QLatin1String("[reference]"))) {
        bool referenced = false;
        ProfileFile::forEachKey(
            text, QLatin1String("reference"), [&](QStringView key, QStringView) {
                referenced = referenced || keyNumber(key, QLatin1String("ref")) > 0;
            });
        return referenced ? std::optional(PlaylistFormat::Reference) : std::nullopt;
    }
    const QStringView root = rootElement(text);
    if (root.compare(QLatin1String("asx"), Qt::CaseInsensitive) == 0)
        return PlaylistFormat::Asx;
    if (root == QLatin1String("playlist"))
        return PlaylistFormat::Xspf;
    return std::nullopt;
}

} // namespace

Result<std::vector<ListedEntry>> readPlsEntries(const QString &text) {
    if (!startsWithHeader(text, QLatin1String("[playlist]")))
        return Failure{FailureKind::NotPlaylist, PlaylistTexts::notPls()};
    // Players read every FileN, whatever NumberOfEntries says: a count lower than the entries
    // would lose them on the next save.
    NumberedValues files, titles, lengths;
    ProfileFile::forEachKey(text, QLatin1String("playlist"),
                            [&](QStringView key, QStringView value) {
                                if (const int number = keyNumber(key, QLatin1String("file")))
                                    keep(files, number, value);
                                else if (const int number = keyNumber(key, QLatin1String("title")))
                                    keep(titles, number, value);
                                else if (const int number = keyNumber(key, QLatin1String("length")))
                                    keep(lengths, number, value);
                            });
    std::vector<ListedEntry> entries;
    entries.reserve(files.size());
    for (const auto &[number, file] : files) {
        if (file.isEmpty())
            continue;
        ListedEntry entry{file.toString()};
        if (const auto title = titles.find(number); title != titles.end())
            entry.title = title->second.toString();
        if (const auto length = lengths.find(number); length != lengths.end()) {
            bool ok = false;
            const int seconds = length->second.toInt(&ok);
            entry.length = ok && seconds >= 0 ? seconds : -1;
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

Result<std::vector<ListedEntry>> readM3uEntries(const QString &text) {
    const QLatin1String extinf("#EXTINF:");
    std::vector<ListedEntry> entries;
    ListedEntry next;
    for (const QStringView line : splitLines(text)) {
        const QStringView trimmed = line.trimmed();
        if (trimmed.startsWith(extinf, Qt::CaseInsensitive))
            readExtinf(trimmed.mid(extinf.size()), next);
        else if (isDirective(trimmed))
            next.directives << trimmed.toString();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        next.location = trimmed.toString();
        entries.push_back(std::exchange(next, {}));
    }
    return entries;
}

Result<std::vector<ListedEntry>> readRamEntries(const QString &text) {
    std::vector<ListedEntry> entries;
    for (const QStringView line : splitLines(text)) {
        const QStringView location = line.trimmed();
        // RealPlayer stops at this line; what follows is often notes.
        if (location == QLatin1String("--stop--"))
            break;
        if (!location.isEmpty() && !location.startsWith(u'#'))
            entries.push_back({location.toString()});
    }
    return entries;
}

Result<std::vector<ListedEntry>> readReferenceEntries(const QString &text) {
    if (!startsWithHeader(text, QLatin1String("[reference]")))
        return Failure{FailureKind::NotPlaylist, PlaylistTexts::notAsx()};
    NumberedValues references;
    ProfileFile::forEachKey(text, QLatin1String("reference"),
                            [&](QStringView key, QStringView value) {
                                keep(references, keyNumber(key, QLatin1String("ref")), value);
                            });
    std::vector<ListedEntry> entries;
    for (const auto &[number, reference] : references) {
        if (!reference.isEmpty())
            entries.push_back({reference.toString()});
    }
    return entries;
}

const FormatInfo *formatToRead(const QString &text, const QString &path) {
    const FormatInfo *byExtension = formatOf(path);
    const std::optional<PlaylistFormat> byContent = formatOfContent(text);
    if (!byContent || (byExtension && byExtension->format == *byContent))
        return byExtension;
    // An M3U header says nothing against the extension that makes it UTF-8.
    if (*byContent == PlaylistFormat::M3u && byExtension &&
        byExtension->format == PlaylistFormat::M3u8)
        return byExtension;
    return &formatInfo(*byContent);
}

Result<std::vector<ListedEntry>> readPlaylistEntries(PlaylistFormat format, const QString &text,
                                                     const QString &list) {
    Result<std::vector<ListedEntry>> entries = formatInfo(format).read(text);
    if (entries.ok() && entries.value().size() > size_t(MaxRows))
        return Failure{
            FailureKind::TooManyEntries,
            PlaylistTexts::tooManyEntries(list, qsizetype(entries.value().size()), MaxRows)};
    return entries;
}
