#include "playlist/playlistfile.h"

#include "media/filequery.h"
#include "platform/atomicfile.h"
#include "platform/regularfile.h"
#include "playlist/playlistformat.h"
#include "playlist/playlistreader.h"
#include "playlist/playlisttexts.h"
#include "playlist/playlistwriter.h"

#include <QDir>
#include <QFileInfo>

namespace {

Result<QStringList> readPaths(PlaylistFormat format, const QString &text, const QString &list) {
    switch (format) {
    case PlaylistFormat::Pls:
        return readPlsPaths(text, list);
    case PlaylistFormat::Ram:
        return readRamPaths(text, list);
    default:
        return readM3uPaths(text, list);
    }
}

Result<QByteArray> readPlaylistBytes(const QString &path) {
    RegularFileBytes file = RegularFileBytes::read(path, MaxPlaylistBytes);
    switch (file.status) {
    case RegularFileBytes::Status::Read:
        break;
    case RegularFileBytes::Status::CannotOpen:
        return Failure{PlaylistTexts::readFailed(path, file.reason)};
    case RegularFileBytes::Status::NotRegular:
        return Failure{PlaylistTexts::notRegularFile(path)};
    case RegularFileBytes::Status::TooLarge:
        return Failure{PlaylistTexts::tooLarge(path, MaxPlaylistBytes / (1024 * 1024))};
    }
    return std::move(file.bytes);
}

} // namespace

Result<std::vector<PlaylistEntry>> loadPlaylistFile(const QString &path, const CodePage &codePage) {
    const std::optional<PlaylistFormat> format = formatOf(path);
    if (!format || *format == PlaylistFormat::Asx)
        return Failure{PlaylistTexts::cannotOpenFormat(path)};
    const Result<QByteArray> bytes = readPlaylistBytes(path);
    if (!bytes.ok())
        return Failure{bytes.error()};

    const QString text =
        decodePlaylistText(bytes.value(), codePage, *format == PlaylistFormat::M3u8);
    const Result<QStringList> entries = readPaths(*format, text, path);
    if (!entries.ok())
        return Failure{entries.error()};

    const QDir folder = QFileInfo(path).absoluteDir();
    FileQuery query;
    std::vector<PlaylistEntry> rows;
    rows.reserve(size_t(entries.value().size()));
    for (const QString &entry : entries.value()) {
        const QString mediaPath = QDir::isRelativePath(entry) ? folder.filePath(entry) : entry;
        std::optional<PlaylistEntry> row = query.entryFor(mediaPath);
        if (!row)
            return Failure{PlaylistTexts::missingMediaFile(path, mediaPath)};
        rows.push_back(std::move(*row));
    }
    return rows;
}

Result<void> savePlaylistFile(const QString &target, const std::vector<PlaylistEntry> &rows,
                              const CodePage &codePage) {
    const Result<QByteArray> encoded = encodePlaylist(target, rows, codePage);
    if (!encoded.ok())
        return Failure{encoded.error()};
    if (const std::optional<QString> reason = replaceFileContents(target, encoded.value()))
        return Failure{PlaylistTexts::writeFailed(target, *reason)};
    return {};
}
