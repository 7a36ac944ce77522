#include "playlist/playlistwriter.h"

#include "platform/codepage.h"
#include "playlist/playlistformat.h"
#include "playlist/playlisttexts.h"

namespace {

const QLatin1String LineEnd("\r\n");

QString plsText(const std::vector<PlaylistEntry> &rows) {
    QString text = QStringLiteral("[playlist]") + LineEnd;
    for (size_t row = 0; row < rows.size(); ++row)
        text += QStringLiteral("File%1=").arg(row + 1) + rows[row].path + LineEnd;
    text += QStringLiteral("NumberOfEntries=%1").arg(rows.size()) + LineEnd;
    text += QStringLiteral("Version=2") + LineEnd;
    return text;
}

QString m3uText(const std::vector<PlaylistEntry> &rows) {
    QString text = QStringLiteral("#EXTM3U") + LineEnd;
    for (const PlaylistEntry &entry : rows)
        text += entry.path + LineEnd;
    return text;
}

QString ramText(const std::vector<PlaylistEntry> &rows) {
    QString text;
    for (const PlaylistEntry &entry : rows)
        text += QStringLiteral("file://") + entry.path + LineEnd;
    return text;
}

// Texts are escaped and the reference path is quoted: players reject the whole file otherwise.
QString asxText(const std::vector<PlaylistEntry> &rows) {
    QString text = QStringLiteral("<Asx Version = \"3.0\" > ") + LineEnd;
    for (const PlaylistEntry &entry : rows) {
        const QString name = entry.name.toHtmlEscaped();
        const QString path = entry.path.toHtmlEscaped();
        text += QStringLiteral("<Entry>") + LineEnd;
        text += QStringLiteral("<Title >") + name + QStringLiteral("</Title>") + LineEnd;
        text += QStringLiteral("<Param Name = \"SourceURL\" Value = \"") + path +
                QStringLiteral("\" />") + LineEnd;
        text += QStringLiteral("<Ref href = \"") + path + QStringLiteral("\"/>") + LineEnd;
        text += QStringLiteral("</Entry>") + LineEnd;
    }
    text += QStringLiteral("</Asx>") + LineEnd;
    return text;
}

QString playlistText(PlaylistFormat format, const std::vector<PlaylistEntry> &rows) {
    switch (format) {
    case PlaylistFormat::Pls:
        return plsText(rows);
    case PlaylistFormat::M3u:
    case PlaylistFormat::M3u8:
        return m3uText(rows);
    case PlaylistFormat::Ram:
        return ramText(rows);
    case PlaylistFormat::Asx:
        break;
    }
    return asxText(rows);
}

bool hasLineBreak(const QString &text) {
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

// The row texts are the only ones that can hold such characters; the first of them names
// the fault.
QString firstUnrepresentablePath(PlaylistFormat format, const std::vector<PlaylistEntry> &rows,
                                 const CodePage &codePage) {
    for (const PlaylistEntry &entry : rows) {
        if (!codePage.encode(entry.path) ||
            (format == PlaylistFormat::Asx && !codePage.encode(entry.name)))
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
    const CodePage &charset = *format == PlaylistFormat::M3u8 ? utf8 : codePage;
    const std::optional<QByteArray> bytes = charset.encode(playlistText(*format, rows));
    if (!bytes)
        return Failure{PlaylistTexts::unrepresentablePath(
            target, firstUnrepresentablePath(*format, rows, charset))};
    return *bytes;
}
