#include "media/tagloader.h"

#include "media/tagreading.h"
#include "platform/filefacts.h"

#include <algorithm>

namespace {

// A few batches a second keep the cells filling in without repainting the table per song.
constexpr int BatchInterval = 250;

} // namespace

TagLoader::TagLoader(QObject *parent)
    : TagLoader(readTrackTagsOfFile, parent) {}

TagLoader::TagLoader(ReadFile read, QObject *parent)
    : QObject(parent)
    , m_read(std::move(read))
    , m_batchTimer(this) {
    m_batchTimer.setInterval(BatchInterval);
    connect(&m_batchTimer, &QTimer::timeout, this, &TagLoader::deliver);
}

TagLoader::~TagLoader() {
    {
        const QMutexLocker locker(&m_mutex);
        m_queue.clear();
    }
    m_pool.waitForDone();
}

void TagLoader::load(const QStringList &paths) {
    std::vector<QString> added;
    for (const QString &path : paths) {
        if (m_pending.contains(path))
            continue;
        m_pending.insert(path);
        added.push_back(path);
    }
    if (added.empty())
        return;
    m_total += int(added.size());
    if (!m_batchTimer.isActive())
        m_batchTimer.start();

    const QMutexLocker locker(&m_mutex);
    m_queue.insert(m_queue.end(), std::make_move_iterator(added.begin()),
                   std::make_move_iterator(added.end()));
    const int wanted = std::min(int(m_queue.size()), m_pool.maxThreadCount()) - m_readers;
    for (int i = 0; i < wanted; ++i) {
        ++m_readers;
        m_pool.start([this] { readQueued(); });
    }
}

void TagLoader::dropPending() {
    {
        const QMutexLocker locker(&m_mutex);
        m_queue.clear();
        ++m_generation;
    }
    const bool wasLoading = m_total > 0;
    finish();
    if (wasLoading)
        Q_EMIT finished();
}

void TagLoader::readQueued() {
    for (;;) {
        QString path;
        int generation;
        {
            const QMutexLocker locker(&m_mutex);
            if (m_queue.empty()) {
                // The last reader to stop hands over at once what the timer has not yet.
                if (--m_readers == 0)
                    postDelivery();
                return;
            }
            path = std::move(m_queue.front());
            m_queue.pop_front();
            generation = m_generation;
        }
        Read read = readOne(path, generation);
        const QMutexLocker locker(&m_mutex);
        m_results.push_back(std::move(read));
    }
}

TagLoader::Read TagLoader::readOne(const QString &path, int generation) const {
    Read read;
    read.path = path;
    read.generation = generation;
    const std::optional<FileFacts> facts = FileFacts::of(path);
    // Only a regular file is read: a FIFO would block the reader, a device never end it.
    if (!facts || facts->kind != FileFacts::Kind::File)
        return read;
    read.stamp = TagCache::Stamp::of(*facts);
    if (m_cache.isFresh(path, read.stamp)) {
        read.outcome = Read::Outcome::Unchanged;
        return read;
    }
    read.outcome = Read::Outcome::Read;
    read.tags = m_read(path);
    return read;
}

// Called with m_mutex held.
void TagLoader::postDelivery() {
    if (m_deliveryPosted)
        return;
    m_deliveryPosted = true;
    QMetaObject::invokeMethod(this, &TagLoader::deliver, Qt::QueuedConnection);
}

void TagLoader::deliver() {
    std::vector<Read> results;
    int generation;
    {
        const QMutexLocker locker(&m_mutex);
        results.swap(m_results);
        generation = m_generation;
        m_deliveryPosted = false;
    }
    QStringList arrived;
    for (Read &read : results) {
        const bool changed = read.outcome == Read::Outcome::Read
                                 ? m_cache.store(read.path, read.stamp, std::move(read.tags))
                             : read.outcome == Read::Outcome::Gone ? m_cache.remove(read.path)
                                                                   : false;
        if (changed)
            arrived << read.path;
        if (read.generation == generation) {
            m_pending.remove(read.path);
            ++m_done;
        }
    }
    if (!arrived.isEmpty())
        Q_EMIT tagsArrived(arrived);
    if (m_total == 0)
        return;
    if (m_done < m_total) {
        Q_EMIT progressChanged(m_done, m_total);
        return;
    }
    finish();
    Q_EMIT finished();
}

void TagLoader::finish() {
    // Emptied by removals, the set would keep its buckets for the largest list ever read.
    m_pending.clear();
    m_batchTimer.stop();
    m_done = 0;
    m_total = 0;
}
