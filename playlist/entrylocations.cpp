#include "playlist/entrylocations.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

namespace {

// Players read "#" and "?" as the start of a fragment or a query, and "%41" as an escape.
bool isMisreadAsPath(const QString &path) {
    static const QRegularExpression uriLike(QStringLiteral("[#?]|%[0-9A-Fa-f]{2}"));
    return uriLike.match(path).hasMatch();
}

QString fileUri(const QString &path) {
    return QString::fromLatin1(QUrl::fromLocalFile(path).toEncoded());
}

// The first folder below the root of an absolute path ("media" of "/media/usb/a.mp3").
QString topFolderOf(const QString &path) {
    return path.section(QLatin1Char('/'), 1, 1);
}

} // namespace

EntryLocations::EntryLocations(const QString &target, const WriteOptions &options)
    : m_folder(QFileInfo(target).absoluteDir())
    , m_topFolder(topFolderOf(m_folder.absolutePath()))
    , m_relative(options.relative)
    , m_windowsSeparators(options.windowsSeparators) {}

std::optional<QString> EntryLocations::relativePath(const PlaylistEntry &row) const {
    const bool wanted = m_relative == WriteOptions::Relative::Always ||
                        (m_relative == WriteOptions::Relative::AsListed && row.relative);
    if (!wanted || !row.isLocal() || !row.path.startsWith(QLatin1Char('/')))
        return std::nullopt;
    // Sharing no folder but the root, the two are on different disks or in different trees:
    // a relative path would break as soon as either of them moves.
    if (m_topFolder.isEmpty() || topFolderOf(row.path) != m_topFolder)
        return std::nullopt;
    const QString path = m_folder.relativeFilePath(row.path);
    if (path.isEmpty() || path == QLatin1String("."))
        return std::nullopt;
    return path;
}

QString EntryLocations::plain(const PlaylistEntry &row) const {
    if (!row.isLocal())
        return row.path;
    const std::optional<QString> relative = relativePath(row);
    if (relative && !isMisreadAsPath(*relative))
        return withSeparators(*relative);
    return isMisreadAsPath(row.path) ? fileUri(row.path) : row.path;
}

QString EntryLocations::ram(const PlaylistEntry &row) const {
    const std::optional<QString> relative = relativePath(row);
    if (!row.isLocal() || (relative && !isMisreadAsPath(*relative)))
        return relative ? withSeparators(*relative) : row.path;
    return QStringLiteral("file://") +
           QString::fromLatin1(QUrl::toPercentEncoding(row.path, "/\\:@!$&'()*+,;=~"));
}

QString EntryLocations::xspf(const PlaylistEntry &row) const {
    if (!row.isLocal())
        return row.path;
    const std::optional<QString> relative = relativePath(row);
    return relative && !isMisreadAsPath(*relative) ? *relative : fileUri(row.path);
}

QString EntryLocations::withSeparators(const QString &relative) const {
    return m_windowsSeparators ? QString(relative).replace(QLatin1Char('/'), QLatin1Char('\\'))
                               : relative;
}
