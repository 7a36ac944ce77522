#include "playlist/playlistwriter.h"

#include "platform/codepage.h"
#include "playlist/listtext.h"
#include "playlist/playlistformat.h"
#include "playlist/playlisttexts.h"

namespace {

const QLatin1String LineEnd("\r\n");

// The profile rules take one pair of quotes off a value: a title in quotes gets another pair.
QString plsTitle(const QString &title) {
    const QString text = listText(title);
    const QString trimmed = text.trimmed();
    const bool quoted = trimmed.size() > 1 &&
                        (trimmed.front() == u'"' || trimmed.front() == u'\'') &&
                        trimmed.back() == trimmed.front();
    return quoted ? u'"' + text + u'"' : text;
}

// "[h:]mm:ss", as ASX writes durations.
QString clockTime(int seconds) {
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

bool hasLineBreak(const QString &text) {
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

// The row texts are the only ones that can hold such characters; the first of them names
// the fault.
QString firstUnrepresentablePath(const std::vector<PlaylistEntry> &rows, const CodePage &codePage) {
    for (const PlaylistEntry &entry : rows) {
        if (!codePage.encode(entry.path) || !codePage.encode(entry.name) ||
            !codePage.encode(entry.title) || !codePage.encode(entry.directives.join(u'\n')))
            return entry.path;
    }
    return {};
}

} // namespace

QString plsText(const std::vector<PlaylistEntry> &rows, const EntryLocations &locations) {
    QString text = QStringLiteral("[playlist]") + LineEnd;
    for (size_t row = 0; row < rows.size(); ++row) {
        const PlaylistEntry &entry = rows[row];
        const QString number = QString::number(row + 1);
        text += QStringLiteral("File") + number + u'=' + locations.plain(entry) + LineEnd;
        if (!entry.title.isEmpty())
            text += QStringLiteral("Title") + number + u'=' + plsTitle(entry.title) + LineEnd;
        if (entry.length >= 0)
            text +=
                QStringLiteral("Length") + number + u'=' + QString::number(entry.length) + LineEnd;
    }
    text += QStringLiteral("NumberOfEntries=%1").arg(rows.size()) + LineEnd;
    text += QStringLiteral("Version=2") + LineEnd;
    return text;
}

QString m3uText(const std::vector<PlaylistEntry> &rows, const EntryLocations &locations) {
    QString text = QStringLiteral("#EXTM3U") + LineEnd;
    for (const PlaylistEntry &entry : rows) {
        if (!entry.title.isEmpty() || entry.length >= 0)
            text +=
                QStringLiteral("#EXTINF:%1,").arg(entry.length) + listText(entry.title) + LineEnd;
        for (const QString &directive : entry.directives)
            text += listText(directive) + LineEnd;
        text += locations.plain(entry) + LineEnd;
    }
    return text;
}

QString ramText(const std::vector<PlaylistEntry> &rows, const EntryLocations &locations) {
    QString text;
    for (const PlaylistEntry &entry : rows)
        text += locations.ram(entry) + LineEnd;
    return text;
}

// Texts are escaped and the reference path is quoted: players reject the whole file otherwise.
QString asxText(const std::vector<PlaylistEntry> &rows, const EntryLocations &locations) {
    QString text = QStringLiteral("<Asx Version = \"3.0\" > ") + LineEnd;
    for (const PlaylistEntry &entry : rows) {
        // A title that shows nothing is none.
        const QString given = listText(entry.title);
        const QString title = given.trimmed().isEmpty() ? listText(entry.name) : given;
        const QString path = locations.plain(entry).toHtmlEscaped();
        text += QStringLiteral("<Entry>") + LineEnd;
        text += QStringLiteral("<Title >") + title.toHtmlEscaped() + QStringLiteral("</Title>") +
                LineEnd;
        if (entry.length >= 0)
            text += QStringLiteral("<Duration value = \"") + clockTime(entry.length) +
                    QStringLiteral("\" />") + LineEnd;
        text += QStringLiteral("<Param Name = \"SourceURL\" Value = \"") + path +
                QStringLiteral("\" />") + LineEnd;
        text += QStringLiteral("<Ref href = \"") + path + QStringLiteral("\"/>") + LineEnd;
        text += QStringLiteral("</Entry>") + LineEnd;
    }
    text += QStringLiteral("</Asx>") + LineEnd;
    return text;
}

QString xspfText(const std::vector<PlaylistEntry> &rows, const EntryLocations &locations) {
    QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>") + LineEnd +
                   QStringLiteral("<playlist version=\"1\" xmlns=\"http://xspf.org/ns/0/\">") +
                   LineEnd + QStringLiteral("  <trackList>") + LineEnd;
    for (const PlaylistEntry &entry : rows) {
        text += QStringLiteral("    <track>") + LineEnd;
        text += QStringLiteral("      <location>") + locations.xspf(entry).toHtmlEscaped() +
                QStringLiteral("</location>") + LineEnd;
        if (!entry.title.isEmpty())
            text += QStringLiteral("      <title>") + listText(entry.title).toHtmlEscaped() +
                    QStringLiteral("</title>") + LineEnd;
        if (entry.length >= 0)
            text +=
                QStringLiteral("      <duration>%1</duration>").arg(qint64(entry.length) * 1000) +
                LineEnd;
        text += QStringLiteral("    </track>") + LineEnd;
    }
    return text + QStringLiteral("  </trackList>") + LineEnd + QStringLiteral("</playlist>") +
           LineEnd;
}

Result<QByteArray> encodePlaylist(const QString &target, const std::vector<PlaylistEntry> &rows,
                                  const WriteOptions &options) {
    const FormatInfo *format = formatOf(target);
    if (!format)
        return Failure{FailureKind::UnknownFormat, PlaylistTexts::unknownExtension(target)};
    for (const PlaylistEntry &entry : rows) {
        if (hasLineBreak(entry.path) ||
            (format->format == PlaylistFormat::Asx && hasLineBreak(entry.name)))
            return Failure{FailureKind::Unrepresentable,
                           PlaylistTexts::lineBreakInPath(target, entry.path)};
    }

    const CodePage utf8("UTF-8");
    const CodePage &charset = format->alwaysUtf8 ? utf8 : options.codePage;
    const std::optional<QByteArray> bytes =
        charset.encode(format->write(rows, EntryLocations(target, options)));
    if (!bytes)
        return Failure{
            FailureKind::Unrepresentable,
            PlaylistTexts::unrepresentablePath(target, firstUnrepresentablePath(rows, charset))};
    return *bytes;
}
