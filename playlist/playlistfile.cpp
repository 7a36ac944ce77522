#include "playlist/playlistfile.h"

#include "media/filequery.h"
#include "platform/atomicfile.h"
#include "platform/regularfile.h"
#include "playlist/listtext.h"
#include "playlist/playlistformat.h"
#include "playlist/playlistreader.h"
#include "playlist/playlisttexts.h"
#include "playlist/playlistwriter.h"
#include "playlist/systemerror.h"
#include "playlist/textencoding.h"
#include "playlist/windowspath.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSemaphore>
#include <QThreadPool>
#include <QUrl>

#include <algorithm>
#include <atomic>

namespace {

// The path a file: URI names, escapes decoded, or nothing for any other location.
std::optional<QString> fileUriPath(const QString &location) {
    // Most entries are plain paths, which need no expression.
    if (!location.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        return std::nullopt;
    static const QRegularExpression fileUri(QStringLiteral("^file:(?://(?:localhost(?=/))?)?"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = fileUri.match(location);
    if (!match.hasMatch())
        return std::nullopt;
    return QUrl::fromPercentEncoding(location.mid(match.capturedEnd()).toUtf8());
}

bool isAddress(const QString &location) {
    static const QRegularExpression scheme(QStringLiteral("^[a-z][a-z0-9+.-]+://"),
                                           QRegularExpression::CaseInsensitiveOption);
    return location.contains(QLatin1String("://")) && scheme.match(location).hasMatch();
}

// A Windows path kept as written is the one local path not from the root: it names no file
// here, and looking it up would search the program's current folder.
std::optional<PlaylistEntry> localEntry(const QString &path, FileQuery &query) {
    return path.startsWith(u'/') ? query.localEntryFor(path) : std::nullopt;
}

// Whether the entry's path, read as a Windows path, took another place.
bool takeWindowsLocation(ResolvedEntry &resolved, const QDir &listFolder) {
    std::optional<WindowsLocation> windows = windowsLocation(resolved.path, listFolder);
    if (!windows)
        return false;
    resolved.path = std::move(windows->path);
    resolved.address = windows->address;
    resolved.relative = windows->relative;
    return true;
}

Result<QByteArray> readPlaylistBytes(const QString &path) {
    RegularFileBytes file = RegularFileBytes::read(path, MaxPlaylistBytes);
    switch (file.status) {
    case RegularFileBytes::Status::Read:
        break;
    case RegularFileBytes::Status::CannotOpen:
        return Failure{failureKindOf(file.error, FailureKind::Unreadable),
                       PlaylistTexts::readFailed(path, file.error)};
    case RegularFileBytes::Status::NotRegular:
        return Failure{FailureKind::NotRegular, PlaylistTexts::notRegularFile(path)};
    case RegularFileBytes::Status::TooLarge:
        return Failure{FailureKind::TooLarge,
                       PlaylistTexts::tooLarge(path, MaxPlaylistBytes / (1024 * 1024))};
    }
    return std::move(file.bytes);
}

// The rows of a playlist's entries, in their order. A row is mostly the file system's answer
// about one file and independent of every other row, so the rows are built on every core: the
// calling thread and as many of the pool's threads as are free take blocks of entries in turn.
std::vector<PlaylistEntry> rowsFor(const std::vector<ListedEntry> &entries,
                                   const QString &listFolder) {
    constexpr size_t BlockSize = 256;
    const size_t blocks = (entries.size() + BlockSize - 1) / BlockSize;
    std::vector<PlaylistEntry> rows(entries.size());
    std::atomic<size_t> nextBlock{0};
    const auto buildBlocks = [&] {
        // A thread's own query and folder: neither may be shared between threads.
        FileQuery query;
        const QDir folder(listFolder);
        for (size_t block = nextBlock++; block < blocks; block = nextBlock++) {
            const size_t end = std::min(entries.size(), (block + 1) * BlockSize);
            for (size_t i = block * BlockSize; i < end; ++i)
                rows[i] = rowFor(resolveEntry(entries[i], folder), query);
        }
    };
    QThreadPool &pool = *QThreadPool::globalInstance();
    const int wanted = int(std::min(blocks, size_t(pool.maxThreadCount()))) - 1;
    QSemaphore helpersDone;
    int helpers = 0;
    while (helpers < wanted && pool.tryStart([&] {
        buildBlocks();
        helpersDone.release();
    }))
        ++helpers;
    buildBlocks();
    helpersDone.acquire(helpers);
    return rows;
}

} // namespace

ResolvedEntry resolveEntry(const ListedEntry &entry, const QDir &listFolder) {
    ResolvedEntry resolved{entry.location, false,        false,
                           entry.title,    entry.length, entry.directives};
    if (std::optional<QString> local = fileUriPath(entry.location))
        resolved.path = *local;
    else if (isAddress(entry.location))
        resolved.address = true;
    if (!resolved.address && !takeWindowsLocation(resolved, listFolder)) {
        // Relative entries were relative to the playlist's folder wherever it was made.
        resolved.relative = !resolved.path.startsWith(u'/');
        resolved.path = pathFrom(listFolder, resolved.path);
    }
    return resolved;
}

PlaylistEntry rowFor(const ResolvedEntry &entry, FileQuery &query) {
    PlaylistEntry row;
    if (entry.address) {
        row.name = QUrl(entry.path).fileName();
        if (row.name.isEmpty())
            row.name = entry.path;
        row.path = entry.path;
        row.kind = PlaylistEntry::Kind::Address;
    } else if (std::optional<PlaylistEntry> local = localEntry(entry.path, query)) {
        row = std::move(*local);
    } else {
        row.name = localFileName(entry.path);
        row.path = entry.path;
        row.kind = PlaylistEntry::Kind::Missing;
    }
    row.title = entry.title;
    row.length = entry.length;
    row.relative = entry.relative;
    row.directives = entry.directives;
    return row;
}

Result<LoadedPlaylist> loadPlaylistFile(const QString &path) {
    const Result<QByteArray> bytes = readPlaylistBytes(path);
    if (!bytes.ok())
        return bytes.failure();
    return loadPlaylistBytes(bytes.value(), path);
}

Result<LoadedPlaylist> loadPlaylistBytes(const QByteArray &bytes, const QString &path) {
    // Lists come under many names ("list.php"): what the content says wins over the extension.
    // Every format's own marks are ASCII, so any reading of the text shows them.
    const PlaylistText text = decodePlaylistText(bytes);
    const FormatInfo *format = formatToRead(text.text, path);
    if (!format)
        return Failure{FailureKind::UnknownFormat, PlaylistTexts::cannotOpenFormat(path)};

    const QString listFolder = QFileInfo(path).absolutePath();
    const Result<std::vector<ListedEntry>> entries =
        text.sure || format->alwaysUtf8
            ? readPlaylistEntries(format->format, text.text, path)
            : readLegacyEntries(format->format, bytes, path, QDir(listFolder));
    if (!entries.ok())
        return entries.failure();

    LoadedPlaylist loaded;
    loaded.rows = rowsFor(entries.value(), listFolder);
    for (PlaylistEntry &row : loaded.rows) {
        // Vantrel's own ASX gives a row without a title its file's name, as a list text; any
        // other title is kept.
        if (format->format == PlaylistFormat::Asx && row.isLocal() && !row.title.isEmpty() &&
            row.title == listText(row.name).trimmed())
            row.title.clear();
        if (row.kind == PlaylistEntry::Kind::Missing && loaded.missingCount++ < MissingNamed)
            loaded.firstMissing << row.path;
    }
    return loaded;
}

Result<void> savePlaylistFile(const QString &target, const std::vector<PlaylistEntry> &rows,
                              const WriteOptions &options) {
    const Result<QByteArray> encoded = encodePlaylist(target, rows, options);
    if (!encoded.ok())
        return encoded.failure();
    const FileReplacement written = replaceFileContents(target, encoded.value());
    switch (written.status) {
    case FileReplacement::Status::Written:
        return {};
    case FileReplacement::Status::NotRegular:
        return Failure{FailureKind::NotRegular, PlaylistTexts::notRegularTarget(target)};
    case FileReplacement::Status::Failed:
        break;
    }
    return Failure{failureKindOf(written.error, FailureKind::WriteFailed),
                   PlaylistTexts::writeFailed(target, written.error, written.backup)};
}
