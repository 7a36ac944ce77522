#include "playlist/xmlplaylistreader.h"

#include "playlist/playlisttexts.h"

#include <QDir>
#include <QHash>
#include <QRegularExpression>
#include <QUrl>
#include <QXmlStreamReader>

#include <limits>
#include <optional>

namespace {

// The five named entities and character references; anything else stays as it stands.
QString unescaped(const QString &text) {
    if (!text.contains(u'&'))
        return text;
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

int boundedSeconds(qint64 seconds) {
    return seconds <= std::numeric_limits<int>::max() ? int(seconds) : -1;
}

// A duration as players write it, in whole seconds (a fraction dropped), or -1:
// "[[h:]m:]s[.fraction]", "1h2m3s" (any of the three), "m.ss" (minutes and seconds, as
// totem-pl-parser reads it) and plain seconds.
int asxDuration(const QString &value) {
    static const QRegularExpression forms[] = {
        QRegularExpression(
            QStringLiteral(R"(^(?:(?<h>\d{1,9}):)?(?<m>\d{1,9}):(?<s>\d{1,9})(?:\.\d*)?$)")),
        QRegularExpression(
            QStringLiteral(
                R"(^(?=\d)(?:(?<h>\d{1,9})h)?(?:(?<m>\d{1,9})m)?(?:(?<s>\d{1,9})(?:\.\d*)?s)?$)"),
            QRegularExpression::CaseInsensitiveOption),
        QRegularExpression(QStringLiteral(R"(^(?<m>\d{1,9})\.(?<s>\d{1,9})$)")),
        QRegularExpression(QStringLiteral(R"(^(?<s>\d{1,9})$)")),
    };
    const QString trimmed = value.trimmed();
    for (const QRegularExpression &form : forms) {
        const QRegularExpressionMatch match = form.match(trimmed);
        if (match.hasMatch())
            return boundedSeconds(match.captured(u"h").toLongLong() * 3600 +
                                  match.captured(u"m").toLongLong() * 60 +
                                  match.captured(u"s").toLongLong());
    }
    return -1;
}

bool hasScheme(const QString &reference) {
    static const QRegularExpression scheme(QStringLiteral("^[a-z][a-z0-9+.-]+:"),
                                           QRegularExpression::CaseInsensitiveOption);
    return scheme.match(reference).hasMatch();
}

// A location with a scheme is an address or a file:// URI, taken as it stands; any other is a
// relative reference, whose escapes are decoded here. (One letter before ":" is a drive.)
QString xspfLocation(const QString &location) {
    return hasScheme(location) ? location : QUrl::fromPercentEncoding(location.toUtf8());
}

// reference resolved against base, both URI references as written. A relative base stays
// relative to the list's folder: QUrl::resolved would drop its leading "../", which it resolves
// against an absolute base only.
QString resolved(const QString &base, const QString &reference) {
    if (base.isEmpty() || hasScheme(reference))
        return reference;
    if (hasScheme(base))
        return QUrl(base).resolved(QUrl(reference)).toString(QUrl::FullyEncoded);
    if (reference.startsWith(u'/'))
        return reference;
    const QString joined = base.left(base.lastIndexOf(u'/') + 1) + reference;
    const QString clean = QDir::cleanPath(joined);
    return joined.endsWith(u'/') && !clean.endsWith(u'/') ? clean + u'/' : clean;
}

// The base of the current element's content: its xml:base against the base of its parent.
QString baseOf(const QXmlStreamReader &xml, const QString &parentBase) {
    const QStringView base = xml.attributes().value(
        QStringLiteral("http://www.w3.org/XML/1998/namespace"), QStringLiteral("base"));
    return base.isNull() ? parentBase : resolved(parentBase, base.trimmed().toString());
}

// Milliseconds as whole seconds, or -1.
int seconds(const QString &milliseconds) {
    bool ok = false;
    const qint64 value = milliseconds.toLongLong(&ok);
    const qint64 rounded = value / 1000 + (value % 1000 >= 500 ? 1 : 0);
    if (!ok || value < 0 || rounded > std::numeric_limits<int>::max())
        return -1;
    return int(rounded);
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
    // The base of each open element's content, the innermost last.
    QStringList bases{baseOf(xml, {})};
    std::vector<ListedEntry> entries;
    std::optional<ListedEntry> track;
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        const QStringView name = xml.name();
        if (xml.isEndElement()) {
            bases.removeLast();
            if (name == QLatin1String("track") && track) {
                if (!track->location.isEmpty())
                    entries.push_back(std::move(*track));
                track.reset();
            }
        }
        if (!xml.isStartElement())
            continue;
        // The texts read here end with their elements.
        if (track && name == QLatin1String("location") && track->location.isEmpty()) {
            const QString base = baseOf(xml, bases.last());
            track->location = xspfLocation(resolved(base, xml.readElementText().trimmed()));
        } else if (track && name == QLatin1String("title")) {
            track->title = xml.readElementText().trimmed();
        } else if (track && name == QLatin1String("duration")) {
            track->length = seconds(xml.readElementText().trimmed());
        } else {
            bases << baseOf(xml, bases.last());
            if (name == QLatin1String("track"))
                track.emplace();
        }
    }
    if (xml.hasError())
        return Failure{FailureKind::NotPlaylist, PlaylistTexts::notXspf()};
    return entries;
}
