#include "playlist/xmlplaylistreader.h"

#include "playlist/playlisttexts.h"

#include <QHash>
#include <QRegularExpression>
#include <QUrl>
#include <QXmlStreamReader>

#include <limits>
#include <optional>

namespace {

using Options = QRegularExpression::PatternOptions;
constexpr Options Tolerant =
    QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption;

// The five named entities and character references; anything else stays as it stands.
QString unescaped(const QString &text) {
    static const QRegularExpression reference(
        QStringLiteral("&(?:(lt|gt|amp|quot|apos)|#(\\d+)|#x([0-9a-f]+));"), Tolerant);
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
    int seconds = 0;
    const QStringList parts = value.trimmed().section(QLatin1Char('.'), 0, 0).split(u':');
    for (const QString &part : parts) {
        bool ok = false;
        seconds = seconds * 60 + part.toInt(&ok);
        if (!ok || parts.size() > 3)
            return -1;
    }
    return seconds;
}

// A location with a scheme is an address or a file:// URI, taken as it stands; any other is a
// relative reference, whose escapes are decoded here. (One letter before ":" is a drive.)
QString xspfLocation(const QString &location) {
    static const QRegularExpression scheme(QStringLiteral("^[a-z][a-z0-9+.-]+:"), Tolerant);
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

} // namespace

Result<std::vector<ListedEntry>> readAsxEntries(const QString &text) {
    static const QRegularExpression comment(QStringLiteral("<!--.*?-->"), Tolerant);
    static const QRegularExpression root(QStringLiteral("^\\s*(?:<\\?.*?\\?>\\s*)?<asx\\b"),
                                         Tolerant);
    static const QRegularExpression entryElement(QStringLiteral("<entry\\b[^>]*>(.*?)</entry\\s*>"),
                                                 Tolerant);
    static const QRegularExpression title(QStringLiteral("<title\\b[^>]*>(.*?)</title\\s*>"),
                                          Tolerant);
    // A value in double or single quotes, or unquoted up to a blank or the tag's end.
    const QString value =
        QStringLiteral("\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+?)(?=\\s|/?>))");
    static const QRegularExpression ref(QStringLiteral("<ref\\b[^>]*?\\bhref") + value, Tolerant);
    static const QRegularExpression duration(QStringLiteral("<duration\\b[^>]*?\\bvalue") + value,
                                             Tolerant);
    const auto attribute = [](const QRegularExpressionMatch &match) {
        return unescaped(match.captured(1) + match.captured(2) + match.captured(3)).trimmed();
    };

    const QString xml = QString(text).remove(comment);
    if (!root.match(xml).hasMatch())
        return Failure{PlaylistTexts::notAsx()};
    std::vector<ListedEntry> entries;
    for (const QRegularExpressionMatch &entry : entryElement.globalMatch(xml)) {
        const QString body = entry.captured(1);
        const QRegularExpressionMatch location = ref.match(body);
        if (!location.hasMatch() || attribute(location).isEmpty())
            continue;
        const QRegularExpressionMatch length = duration.match(body);
        entries.push_back({attribute(location), unescaped(title.match(body).captured(1)).trimmed(),
                           length.hasMatch() ? asxDuration(attribute(length)) : -1});
    }
    return entries;
}

Result<std::vector<ListedEntry>> readXspfEntries(const QString &text) {
    QXmlStreamReader xml(text);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("playlist"))
        return Failure{PlaylistTexts::notXspf()};
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
        return Failure{PlaylistTexts::notXspf()};
    return entries;
}
