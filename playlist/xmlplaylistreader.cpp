#include "playlist/xmlplaylistreader.h"

#include "playlist/playlisttexts.h"

#include <QHash>
#include <QRegularExpression>
#include <QUrl>
#include <QXmlStreamReader>

#include <limits>
#include <optional>

namespace {

// The five named entities and character references; anything else stays as it stands.
QString unescaped(const QString &text) {
    static const QRegularExpression reference(
        QStringLiteral("&(?:(lt|gt|amp|quot|apos)|#(\\d+)|#x([0-9a-f]+));"),
        QRegularExpression::CaseInsensitiveOption);
    static const QHash<QString, QChar> named{{QStringLiteral("lt"), u'<'},
                                             {QStringLiteral("gt"), u'>'},
                                             {QStringLiteral("amp"), u'&'},
                                             {QStringLiteral("quot"), u'"'},
                                             {QStringLiteral("apos"), u'\''}};
    QString result;
    qsizetype done = 0;
    for (const QRegularExpressionMatch &match : reference.globalMatch(text)) {
        result += QStringView(text).mid(done, match.capturedStart() - done);
        if (match.hasCaptured(1)) {
            result += named.value(match.captured(1).toLower());
        } else {
            const bool decimal = match.hasCaptured(2);
            const char32_t code =
                match.captured(decimal ? 2 : 3).toUInt(nullptr, decimal ? 10 : 16);
            result += QString::fromUcs4(&code, 1);
        }
        done = match.capturedEnd();
    }
    result += QStringView(text).mid(done);
    return result;
}

// "[h:]mm:ss[.fraction]" as whole seconds, or -1.
int asxDuration(const QString &value) {
    const QStringList parts = value.trimmed().section(QLatin1Char('.'), 0, 0).split(u':');
    if (parts.size() > 3)
        return -1;
    qint64 seconds = 0;
    for (const QString &part : parts) {
        bool ok = false;
        seconds = seconds * 60 + part.toUInt(&ok);
        if (!ok)
            return -1;
    }
    return seconds <= std::numeric_limits<int>::max() ? int(seconds) : -1;
}

// A location with a scheme is an address or a file:// URI, taken as it stands; any other is a
// relative reference, whose escapes are decoded here. (One letter before ":" is a drive.)
QString xspfLocation(const QString &location) {
    static const QRegularExpression scheme(QStringLiteral("^[a-z][a-z0-9+.-]+:"),
                                           QRegularExpression::CaseInsensitiveOption);
    return scheme.match(location).hasMatch() ? location
                                             : QUrl::fromPercentEncoding(location.toUtf8());
}

// Milliseconds as whole seconds, or -1.
int seconds(const QString &milliseconds) {
    bool ok = false;
    const qint64 value = milliseconds.toLongLong(&ok);
    if (!ok || value < 0 || value / 1000 >= std::numeric_limits<int>::max())
        return -1;
    return int((value + 500) / 1000);
}

// The element name of a tag's text in lower case, "/" first for an end tag.
QString tagName(QStringView tag) {
    qsizetype end = tag.startsWith(u'/') ? 1 : 0;
    while (end < tag.size() && tag[end].isLetter())
        ++end;
    return tag.left(end).toString().toLower();
}

// An attribute of a tag's text, its name in any case, its value in double or single quotes or
// unquoted up to a blank or the tag's end.
QRegularExpression attributePattern(QLatin1String name) {
    return QRegularExpression(
        QStringLiteral("\\b%1\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s]+?)(?=\\s|/?$))").arg(name),
        QRegularExpression::CaseInsensitiveOption);
}

QString attribute(QStringView tag, const QRegularExpression &pattern) {
    const QRegularExpressionMatch match = pattern.match(tag);
    return unescaped(match.captured(1) + match.captured(2) + match.captured(3)).trimmed();
}

} // namespace

Result<std::vector<ListedEntry>> readAsxEntries(const QString &text) {
    static const QRegularExpression href = attributePattern(QLatin1String("href"));
    static const QRegularExpression value = attributePattern(QLatin1String("value"));
    // One pass from tag to tag, so that no input, however broken, takes more than linear time.
    std::vector<ListedEntry> entries;
    std::optional<ListedEntry> entry;
    bool inAsx = false;
    for (qsizetype at = text.indexOf(u'<'); at >= 0; at = text.indexOf(u'<', at)) {
        const bool comment = QStringView(text).mid(at, 4) == QLatin1String("<!--");
        const qsizetype end =
            comment ? text.indexOf(QLatin1String("-->"), at) : text.indexOf(u'>', at);
        if (end < 0)
            break;
        const QStringView tag = QStringView(text).mid(at + 1, end - at - 1);
        at = end + 1;
        const QString name = tagName(tag);
        if (comment || name.isEmpty() || tag.startsWith(u'?'))
            continue;
        if (!inAsx && name != QLatin1String("asx"))
            return Failure{FailureKind::NotPlaylist, PlaylistTexts::notAsx()};
        inAsx = true;
        if (name == QLatin1String("entry")) {
            entry.emplace();
        } else if (name == QLatin1String("/entry") && entry) {
            if (!entry->location.isEmpty())
                entries.push_back(std::move(*entry));
            entry.reset();
        } else if (entry && name == QLatin1String("ref") && entry->location.isEmpty()) {
            entry->location = attribute(tag, href);
        } else if (entry && name == QLatin1String("title")) {
            entry->title = unescaped(text.mid(at, text.indexOf(u'<', at) - at)).trimmed();
        } else if (entry && name == QLatin1String("duration")) {
            entry->length = asxDuration(attribute(tag, value));
        }
    }
    if (!inAsx)
        return Failure{FailureKind::NotPlaylist, PlaylistTexts::notAsx()};
    return entries;
}

Result<std::vector<ListedEntry>> readXspfEntries(const QString &text) {
    QXmlStreamReader xml(text);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("playlist"))
        return Failure{FailureKind::NotPlaylist, PlaylistTexts::notXspf()};
    std::vector<ListedEntry> entries;
    std::optional<ListedEntry> track;
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        const QStringView name = xml.name();
        if (xml.isEndElement() && name == QLatin1String("track") && track) {
            if (!track->location.isEmpty())
                entries.push_back(std::move(*track));
            track.reset();
        }
        if (!xml.isStartElement())
            continue;
        if (name == QLatin1String("track"))
            track.emplace();
        else if (track && name == QLatin1String("location") && track->location.isEmpty())
            track->location = xspfLocation(xml.readElementText().trimmed());
        else if (track && name == QLatin1String("title"))
            track->title = xml.readElementText().trimmed();
        else if (track && name == QLatin1String("duration"))
            track->length = seconds(xml.readElementText().trimmed());
    }
    if (xml.hasError())
        return Failure{FailureKind::NotPlaylist, PlaylistTexts::notXspf()};
    return entries;
}
