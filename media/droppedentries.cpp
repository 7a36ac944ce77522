#include "media/droppedentries.h"

#include "media/filequery.h"
#include "media/readingorder.h"
#include "platform/filefacts.h"
#include "platform/folderlisting.h"
#include "playlist/playlistfile.h"
#include "playlist/playlistformat.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>

namespace {

class Collector {
public:
    Collector(QSet<QString> listed, int room, const CarryOn &carryOn)
        : m_listed(std::move(listed))
        , m_room(room)
        , m_carryOn(carryOn) {}

    // Each answers false once the drop holds more than there is room for, or is stopped.
    bool addPath(const QString &path) {
        // A URI's "%00" makes a path that names no file, however it goes on.
        if (!FileFacts::systemName(path))
            return true;
        const QFileInfo info(path);
        if (info.isDir())
            return addFolder(QDir::cleanPath(info.absoluteFilePath()));
        if (formatOf(path))
            return addPlaylist(path);
        return addFile(path);
    }

    DroppedEntries result;

private:
    bool addFile(const QString &path) {
        std::optional<PlaylistEntry> entry = m_query.entryFor(path);
        return !entry || add(std::move(*entry));
    }

    bool addFolder(const QString &folder) {
        std::optional<FolderListing> listing = FolderListing::read(folder);
        if (!listing)
            return true;
        m_order.sort(listing->files);
        m_order.sort(listing->subfolders);
        const QString prefix =
            folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
        for (const QString &name : std::as_const(listing->files)) {
            if (!isHidden(name) && isMedia(name) && !addFile(prefix + name))
                return false;
            if (m_carryOn && !m_carryOn(++m_examined)) {
                result.stopped = true;
                return false;
            }
        }
        for (const QString &name : std::as_const(listing->subfolders)) {
            if (!isHidden(name) && !addFolder(prefix + name))
                return false;
        }
        return true;
    }

    bool addPlaylist(const QString &path) {
        // Its missing files and addresses come as rows too, as Open keeps them.
        Result<LoadedPlaylist> loaded = loadPlaylistFile(path);
        if (!loaded.ok()) {
            if (result.failure.isEmpty())
                result.failure = loaded.error();
            return true;
        }
        for (PlaylistEntry &entry : std::move(loaded).value().rows) {
            if (!add(std::move(entry)))
                return false;
        }
        return true;
    }

    bool add(PlaylistEntry entry) {
        if (m_listed.contains(entry.path))
            return true;
        if (int(result.rows.size()) >= m_room) {
            result.overflow = true;
            return false;
        }
        m_listed.insert(entry.path);
        result.rows.push_back(std::move(entry));
        return true;
    }

    static bool isHidden(const QString &name) { return name.startsWith(QLatin1Char('.')); }

    // Playlists are audio types too, but a folder's playlists list what it holds already.
    bool isMedia(const QString &name) const {
        if (formatOf(name))
            return false;
        const QString type = m_types.mimeTypeForFile(name, QMimeDatabase::MatchExtension).name();
        return type.startsWith(QLatin1String("audio/")) || type.startsWith(QLatin1String("video/"));
    }

    QSet<QString> m_listed;
    const int m_room;
    const CarryOn &m_carryOn;
    int m_examined = 0;
    FileQuery m_query;
    ReadingOrder m_order;
    QMimeDatabase m_types;
};

} // namespace

DroppedEntries collectDroppedEntries(const QStringList &paths, QSet<QString> listed, int room,
                                     const CarryOn &carryOn) {
    Collector collector(std::move(listed), room, carryOn);
    for (const QString &path : paths) {
        if (!collector.addPath(path))
            break;
    }
    return std::move(collector.result);
}
