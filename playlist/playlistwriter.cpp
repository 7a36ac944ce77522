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
QString firstUnrepresentablePath(const std::vector<PlaylistEntry> &rows, const Songs &songs,
                                 const CodePage &codePage) {
    for (size_t row = 0; row < rows.size(); ++row) {
        const PlaylistEntry &entry = rows[row];
        const TrackTags &song = songs[row];
        if (!codePage.encode(entry.path) || !codePage.encode(entry.name) ||
            !codePage.encode(song.title) || !codePage.encode(song.artist) ||
            !codePage.encode(song.album) || !codePage.encode(entry.directives.join(u'\n')))
            return entry.path;
    }
    return {};
}

// An XSPF element of a track, where it has a text.
QString xspfElement(const QString &name, const QString &text) {
    const QString shown = listText(text);
    if (shown.isEmpty())
        return {};
    return QStringLiteral("      <%1>").arg(name) + shown.toHtmlEscaped() +
           QStringLiteral("</%1>").arg(name) + LineEnd;
}

} // namespace

QString plsText(const std::vector<PlaylistEntry> &rows, const Songs &songs,
                const EntryLocations &locations) {
    QString text = QStringLiteral("[playlist]") + LineEnd;
    for (size_t row = 0; row < rows.size(); ++row) {
        const QString number = QString::number(row + 1);
        const QString title = singleTitle(songs[row]);
        text += QStringLiteral("File") + number + u'=' + locations.plain(rows[row]) + LineEnd;
        if (!title.isEmpty())
            text += QStringLiteral("Title") + number + u'=' + plsTitle(title) + LineEnd;
        if (songs[row].length >= 0)
            text += QStringLiteral("Length") + number + u'=' + QString::number(songs[row].length) +
                    LineEnd;
    }
    text += QStringLiteral("NumberOfEntries=%1").arg(rows.size()) + LineEnd;
    text += QStringLiteral("Version=2") + LineEnd;
    return text;
}

QString m3uText(const std::vector<PlaylistEntry> &rows, const Songs &songs,
                const EntryLocations &locations) {
    QString text = QStringLiteral("#EXTM3U") + LineEnd;
    for (size_t row = 0; row < rows.size(); ++row) {
        const QString title = singleTitle(songs[row]);
        if (!title.isEmpty() || songs[row].length >= 0)
            text +=
                QStringLiteral("#EXTINF:%1,").arg(songs[row].length) + listText(title) + LineEnd;
        for (const QString &directive : rows[row].directives)
            text += listText(directive) + LineEnd;
        text += locations.plain(rows[row]) + LineEnd;
    }
    return text;
}

// RAM has no place for a title or a length.
QString ramText(const std::vector<PlaylistEntry> &rows, const Songs &,
                const EntryLocations &locations) {
    QString text;
    for (const PlaylistEntry &entry : rows)
        text += locations.ram(entry) + LineEnd;
    return text;
}

// Texts are escaped and the reference path is quoted: players reject the whole file otherwise.
QString asxText(const std::vector<PlaylistEntry> &rows, const Songs &songs,
                const EntryLocations &locations) {
    QString text = QStringLiteral("<Asx Version = \"3.0\" > ") + LineEnd;
    for (size_t row = 0; row < rows.size(); ++row) {
        const TrackTags &song = songs[row];
        // A title that shows nothing is none.
        const QString given = listText(song.title);
        const QString title = given.trimmed().isEmpty() ? listText(rows[row].name) : given;
        const QString path = locations.plain(rows[row]).toHtmlEscaped();
        text += QStringLiteral("<Entry>") + LineEnd;
        text += QStringLiteral("<Title >") + title.toHtmlEscaped() + QStringLiteral("</Title>") +
                LineEnd;
        if (!song.artist.isEmpty())
            text += QStringLiteral("<Author>") + listText(song.artist).toHtmlEscaped() +
                    QStringLiteral("</Author>") + LineEnd;
        if (song.length >= 0)
            text += QStringLiteral("<Duration value = \"") + clockTime(song.length) +
                    QStringLiteral("\" />") + LineEnd;
        text += QStringLiteral("<Param Name = \"SourceURL\" Value = \"") + path +
                QStringLiteral("\" />") + LineEnd;
        text += QStringLiteral("<Ref href = \"") + path + QStringLiteral("\"/>") + LineEnd;
        text += QStringLiteral("</Entry>") + LineEnd;
    }
    text += QStringLiteral("</Asx>") + LineEnd;
    return text;
}

QString xspfText(const std::vector<PlaylistEntry> &rows, const Songs &songs,
                 const EntryLocations &locations) {
    QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>") + LineEnd +
                   QStringLiteral("<playlist version=\"1\" xmlns=\"http://xspf.org/ns/0/\">") +
                   LineEnd + QStringLiteral("  <trackList>") + LineEnd;
    for (size_t row = 0; row < rows.size(); ++row) {
        const TrackTags &song = songs[row];
        text += QStringLiteral("    <track>") + LineEnd;
        text += QStringLiteral("      <location>") + locations.xspf(rows[row]).toHtmlEscaped() +
                QStringLiteral("</location>") + LineEnd;
        text += xspfElement(QStringLiteral("title"), song.title) +
                xspfElement(QStringLiteral("creator"), song.artist) +
                xspfElement(QStringLiteral("album"), song.album);
        if (song.track > 0)
            text += QStringLiteral("      <trackNum>%1</trackNum>").arg(song.track) + LineEnd;
        if (song.length >= 0)
            text +=
                QStringLiteral("      <duration>%1</duration>").arg(qint64(song.length) * 1000) +
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

    Songs songs;
    songs.reserve(rows.size());
    for (const PlaylistEntry &entry : rows)
        songs.push_back(writtenTags(entry, options.tagsOf));
    const CodePage utf8("UTF-8");
    const CodePage &charset = format->alwaysUtf8 ? utf8 : options.codePage;
    const std::optional<QByteArray> bytes =
        charset.encode(format->write(rows, songs, EntryLocations(target, options)));
    if (!bytes)
        return Failure{FailureKind::Unrepresentable,
                       PlaylistTexts::unrepresentablePath(
                           target, firstUnrepresentablePath(rows, songs, charset))};
    return *bytes;
}
