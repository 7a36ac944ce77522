#include "media/tagcache.h"

#include "platform/filefacts.h"

TagCache::Stamp TagCache::Stamp::of(const FileFacts &facts) {
    return {facts.size, facts.modified, facts.changed};
}

TrackTags TagCache::tagsOf(const QString &path) const {
    const QReadLocker locker(&m_lock);
    return m_entries.value(path).tags;
}

bool TagCache::isFresh(const QString &path, const Stamp &stamp) const {
    const QReadLocker locker(&m_lock);
    const auto entry = m_entries.constFind(path);
    return entry != m_entries.cend() && entry->stamp == stamp;
}

qsizetype TagCache::count() const {
    const QReadLocker locker(&m_lock);
    return m_entries.size();
}

bool TagCache::store(const QString &path, const Stamp &stamp, TrackTags tags) {
    const QWriteLocker locker(&m_lock);
    tags.artist = shared(tags.artist);
    tags.album = shared(tags.album);
    Entry &entry = m_entries[path];
    const bool differs = entry.tags != tags;
    entry = {std::move(tags), stamp};
    return differs;
}

bool TagCache::remove(const QString &path) {
    const QWriteLocker locker(&m_lock);
    return m_entries.remove(path);
}

QString TagCache::shared(const QString &text) {
    if (text.isEmpty())
        return {};
    return *m_texts.insert(text);
}
