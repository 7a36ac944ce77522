#include "playlist/playlistwriter.h"

#include "platform/codepage.h"
#include "playlist/playlistformat.h"
#include "playlist/playlisttexts.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

namespace {

const QLatin1String LineEnd("\r\n");

// Players read "#" and "?" as the start of a fragment or a query, and "%41" as an escape.
bool isMisreadAsPath(const QString &path) {
    static const QRegularExpression uriLike(QStringLiteral("[#?]|%[0-9A-Fa-f]{2}"));
    return uriLike.match(path).hasMatch();
}

QString fileUri(const QString &path) {
    return QString::fromLatin1(QUrl::fromLocalFile(path).toEncoded());
}

// A title goes on one line in every format.
QString oneLine(const QString &title) {
    static const QRegularExpression lineBreaks(QStringLiteral("[\r\n]+"));
    return QString(title).replace(lineBreaks, QStringLiteral(" "));
}

// Where each row is written to, as one format's writer needs it.
class Locations {
public:
    explicit Locations(const QString &target)
        : m_folder(QFileInfo(target).absoluteDir()) {}

    // The path relative to the target's folder, for a row that came relative and lies in or
    // below that folder; else nothing.
    std::optional<QString> relativePath(const PlaylistEntry &row) const {
        if (!row.relative || !row.isLocal())
            return std::nullopt;
        const QString path = m_folder.relativeFilePath(row.path);
        if (path.isEmpty() || path == QLatin1String(".") || path == QLatin1String("..") ||
            path.startsWith(QLatin1String("../")) || QDir::isAbsolutePath(path))
            return std::nullopt;
        return path;
    }

    // PLS, M3U and ASX: the path as it stands unless players would misread it.
    QString plain(const PlaylistEntry &row) const {
        if (!row.isLocal())
            return row.path;
        const std::optional<QString> relative = relativePath(row);
        if (relative && !isMisreadAsPath(*relative))
            return *relative;
        return isMisreadAsPath(row.path) ? fileUri(row.path) : row.path;
    }

    // RAM: "file://" and the path, escaped where a URI needs it; the drive letters and
    // backslashes of Windows paths stay as they are.
    QString ram(const PlaylistEntry &row) const {
        const std::optional<QString> relative = relativePath(row);
        if (!row.isLocal() || (relative && !isMisreadAsPath(*relative)))
            return relative.value_or(row.path);
        return QStringLiteral("file://") +
               QString::fromLatin1(QUrl::toPercentEncoding(row.path, "/\\:@!$&'()*+,;=~"));
    }

    // XSPF: a URI always; a relative reference where reading it back as a path is safe.
    QString xspf(const PlaylistEntry &row) const {
        if (!row.isLocal())
            return row.path;
        const std::optional<QString> relative = relativePath(row);
        return relative && !isMisreadAsPath(*relative) ? *relative : fileUri(row.path);
    }

private:
    QDir m_folder;
};

QString plsText(const std::vector<PlaylistEntry> &rows, const Locations &locations) {
    QString text = QStringLiteral("[playlist]") + LineEnd;
    for (size_t row = 0; row < rows.size(); ++row) {
        const PlaylistEntry &entry = rows[row];
        const QString number = QString::number(row + 1);
        text += QStringLiteral("File") + number + u'=' + locations.plain(entry) + LineEnd;
        if (!entry.title.isEmpty())
            text += QStringLiteral("Title") + number + u'=' + oneLine(entry.title) + LineEnd;
        if (entry.length >= 0)
            text +=
                QStringLiteral("Length") + number + u'=' + QString::number(entry.length) + LineEnd;
    }
    text += QStringLiteral("NumberOfEntries=%1").arg(rows.size()) + LineEnd;
    text += QStringLiteral("Version=2") + LineEnd;
    return text;
}

QString m3uText(const std::vector<PlaylistEntry> &rows, const Locations &locations) {
    QString text = QStringLiteral("#EXTM3U") + LineEnd;
    for (const PlaylistEntry &entry : rows) {
        if (!entry.title.isEmpty() || entry.length >= 0)
            text +=
                QStringLiteral("#EXTINF:%1,").arg(entry.length) + oneLine(entry.title) + LineEnd;
        text += locations.plain(entry) + LineEnd;
    }
    return text;
}

QString ramText(const std::vector<PlaylistEntry> &rows, const Locations &locations) {
    QString text;
    for (const PlaylistEntry &entry : rows)
        text += locations.ram(entry) + LineEnd;
    return text;
}

// "[h:]mm:ss", as ASX writes durations.
QString clockTime(int seconds) {
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// Texts are escaped and the reference path is quoted: players reject the whole file otherwise.
QString asxText(const std::vector<PlaylistEntry> &rows, const Locations &locations) {
    QString text = QStringLiteral("<Asx Version = \"3.0\" > ") + LineEnd;
    for (const PlaylistEntry &entry : rows) {
        const QString title = oneLine(entry.title.isEmpty() ? entry.name : entry.title);
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

QString xspfText(const std::vector<PlaylistEntry> &rows, const Locations &locations) {
    QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>") + LineEnd +
                   QStringLiteral("<playlist version=\"1\" xmlns=\"http://xspf.org/ns/0/\">") +
                   LineEnd + QStringLiteral("  <trackList>") + LineEnd;
    for (const PlaylistEntry &entry : rows) {
        text += QStringLiteral("    <track>") + LineEnd;
        text += QStringLiteral("      <location>") + locations.xspf(entry).toHtmlEscaped() +
                QStringLiteral("</location>") + LineEnd;
        if (!entry.title.isEmpty())
            text += QStringLiteral("      <title>") + oneLine(entry.title).toHtmlEscaped() +
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

QString playlistText(PlaylistFormat format, const std::vector<PlaylistEntry> &rows,
                     const Locations &locations) {
    switch (format) {
    case PlaylistFormat::Pls:
        return plsText(rows, locations);
    case PlaylistFormat::M3u:
    case PlaylistFormat::M3u8:
        return m3uText(rows, locations);
    case PlaylistFormat::Ram:
        return ramText(rows, locations);
    case PlaylistFormat::Asx:
        return asxText(rows, locations);
    case PlaylistFormat::Xspf:
        break;
    }
    return xspfText(rows, locations);
}

bool hasLineBreak(const QString &text) {
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

// The row texts are the only ones that can hold such characters; the first of them names
// the fault.
QString firstUnrepresentablePath(const std::vector<PlaylistEntry> &rows, const CodePage &codePage) {
    for (const PlaylistEntry &entry : rows) {
        if (!codePage.encode(entry.path) || !codePage.encode(entry.name) ||
            !codePage.encode(entry.title))
            return entry.path;
    }
    return {};
}

} // namespace

Result<QByteArray> encodePlaylist(const QString &target, const std::vector<PlaylistEntry> &rows,
                                  const CodePage &codePage) {
    const std::optional<PlaylistFormat> format = formatOf(target);
    if (!format)
        return Failure{PlaylistTexts::unknownExtension(target)};
    for (const PlaylistEntry &entry : rows) {
        if (hasLineBreak(entry.path) ||
            (*format == PlaylistFormat::Asx && hasLineBreak(entry.name)))
            return Failure{PlaylistTexts::lineBreakInPath(target, entry.path)};
    }

    const CodePage utf8("UTF-8");
    const CodePage &charset = isAlwaysUtf8(*format) ? utf8 : codePage;
    const std::optional<QByteArray> bytes =
        charset.encode(playlistText(*format, rows, Locations(target)));
    if (!bytes)
        return Failure{
            PlaylistTexts::unrepresentablePath(target, firstUnrepresentablePath(rows, charset))};
    return *bytes;
}
