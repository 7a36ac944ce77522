#pragma once

#include "media/tracktags.h"

#include <QHash>
#include <QReadWriteLock>
#include <QSet>
#include <QString>

struct FileFacts;

// The tags read in this session, by path, each valid while its file keeps the size and times
// it had when it was read. Any thread may look up; one thread at a time stores.
class TagCache {
public:
    // What says that a file has not been written since its tags were read.
    struct Stamp {
        qint64 size = 0;
        qint64 modified = 0;
        qint64 changed = 0;

        static Stamp of(const FileFacts &facts);
        bool operator==(const Stamp &other) const {
            return size == other.size && modified == other.modified && changed == other.changed;
        }
    };

    // The tags last read for path; empty when none were.
    TrackTags tagsOf(const QString &path) const;
    // Whether the tags of path were read from the file as stamp describes it.
    bool isFresh(const QString &path, const Stamp &stamp) const;
    qsizetype count() const;

    // Keeps tags for path (whose text the cache shares); says whether they differ from the
    // tags it held.
    bool store(const QString &path, const Stamp &stamp, TrackTags tags);
    // Forgets path, whose file is gone; says whether it held tags for it.
    bool remove(const QString &path);

private:
    struct Entry {
        TrackTags tags;
        Stamp stamp;
    };

    QString shared(const QString &text);

    mutable QReadWriteLock m_lock;
    QHash<QString, Entry> m_entries;
    // One copy of each artist and album text: most of them repeat over many songs.
    QSet<QString> m_texts;
};
