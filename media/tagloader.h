#pragma once

#include "media/tagcache.h"

#include <QMutex>
#include <QObject>
#include <QStringList>
#include <QThreadPool>
#include <QTimer>

#include <deque>
#include <functional>
#include <vector>

// Reads the tags of the files it is handed on every core, off the thread it lives on, and
// keeps them in its cache for the session. Results reach its thread in batches, a few a
// second, so that a window refreshes its cells cheaply while thousands of songs are read.
class TagLoader : public QObject {
    Q_OBJECT

public:
    // Reads a regular file's tags; the loader itself has checked the file is there.
    using ReadFile = std::function<TrackTags(const QString &path)>;

    explicit TagLoader(QObject *parent = nullptr);
    explicit TagLoader(ReadFile read, QObject *parent = nullptr);
    // Drops the pending work and waits for the reads under way.
    ~TagLoader() override;

    // The calls below belong to the loader's thread.

    // Reads the tags of paths: a path already pending, or whose file is unchanged since it
    // was read, costs no read. The cache keeps each path's text, so hand the rows' own.
    void load(const QStringList &paths);
    // Forgets every pending path, for a list that is replaced: reads under way still reach the
    // cache, but no longer count.
    void dropPending();

    TrackTags tagsOf(const QString &path) const { return m_cache.tagsOf(path); }
    bool isPending(const QString &path) const { return m_pending.contains(path); }
    const TagCache &cache() const { return m_cache; }

    // How many of the pending paths are done, of how many; both 0 when nothing is pending.
    int done() const { return m_done; }
    int total() const { return m_total; }

Q_SIGNALS:
    // The tags of paths are now in the cache, changed from what it held before.
    void tagsArrived(const QStringList &paths);
    // Sent with each batch while paths are pending.
    void progressChanged(int done, int total);
    // Every pending path is done, or the pending work was dropped.
    void finished();

private:
    struct Read {
        enum class Outcome { Unchanged, Read, Gone };

        QString path;
        int generation = 0;
        Outcome outcome = Outcome::Gone;
        TagCache::Stamp stamp;
        TrackTags tags;
    };

    void readQueued();
    Read readOne(const QString &path, int generation) const;
    void postDelivery();
    void deliver();
    void finish();

    const ReadFile m_read;
    TagCache m_cache;
    QTimer m_batchTimer;
    // Paths queued or under way for the work that counts; the loader's thread alone uses it.
    QSet<QString> m_pending;
    int m_done = 0;
    int m_total = 0;

    // What the readers share with the loader's thread.
    QMutex m_mutex;
    std::deque<QString> m_queue;
    std::vector<Read> m_results;
    int m_generation = 0;
    int m_readers = 0;
    bool m_deliveryPosted = false;

    // Last, so that it is gone before what its readers use.
    QThreadPool m_pool;
};
