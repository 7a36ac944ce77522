#include "playlist/playlistfile.h"

#include "app/playlistmodel.h"
#include "media/filequery.h"
#include "platform/codepage.h"
#include "playlist/playlistformat.h"
#include "playlist/playlistreader.h"
#include "playlist/playlisttexts.h"
#include "playlist/playlistwriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

LoadedPlaylist failure(const QString &error) {
    return {LoadedPlaylist::Outcome::Failed, {}, error};
}

PlaylistPaths readPaths(PlaylistFormat format, const QString &text, const QString &list) {
    switch (format) {
    case PlaylistFormat::Pls:
        return readPlsPaths(text, list);
    case PlaylistFormat::Ram:
        return readRamPaths(text, list);
    default:
        return readM3uPaths(text, list);
    }
}

} // namespace

LoadedPlaylist loadPlaylistFile(const QString &path, const CodePage &codePage) {
    const std::optional<PlaylistFormat> format = formatOf(path);
    if (!format || *format == PlaylistFormat::Asx)
        return {LoadedPlaylist::Outcome::NotReadable, {}, {}};

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(PlaylistTexts::readFailed(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return failure(PlaylistTexts::readFailed(path, file.errorString()));

    const QString text = decodePlaylistText(bytes, codePage, *format == PlaylistFormat::M3u8);
    const PlaylistPaths entries = readPaths(*format, text, path);
    if (entries.status == PlaylistPaths::Status::NotPls)
        return {LoadedPlaylist::Outcome::NotPls, {}, entries.error};
    if (entries.status == PlaylistPaths::Status::Failed)
        return failure(entries.error);
    if (entries.paths.size() > PlaylistModel::MaxRows)
        return failure(
            PlaylistTexts::tooManyEntries(path, entries.paths.size(), PlaylistModel::MaxRows));

    const QDir folder = QFileInfo(path).absoluteDir();
    FileQuery query;
    LoadedPlaylist result;
    result.rows.reserve(size_t(entries.paths.size()));
    for (const QString &entry : entries.paths) {
        const QString mediaPath = QDir::isRelativePath(entry) ? folder.filePath(entry) : entry;
        std::optional<PlaylistEntry> row = query.entryFor(mediaPath);
        if (!row)
            return failure(PlaylistTexts::missingMediaFile(path, mediaPath));
        result.rows.push_back(std::move(*row));
    }
    return result;
}

QString savePlaylistFile(const QString &target, const PlaylistModel &rows,
                         const CodePage &codePage) {
    const EncodedPlaylist encoded = encodePlaylist(target, rows, codePage);
    if (!encoded.error.isEmpty())
        return encoded.error;
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(encoded.bytes) != encoded.bytes.size() ||
        !file.commit())
        return PlaylistTexts::writeFailed(target, file.errorString());
    return {};
}
