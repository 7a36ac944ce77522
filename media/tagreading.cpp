#include "media/tagreading.h"

#include "platform/filefacts.h"

#include <QFile>
#include <QThreadPool>

#include <taglib/fileref.h>
#include <taglib/infotag.h>
#include <taglib/tag.h>
#include <taglib/tfilestream.h>
#include <taglib/wavfile.h>

#include <atomic>
#include <limits>

namespace {

// A line break in a tag would break its cell, and the line of a list that carries it.
QString textOf(const TagLib::String &text) {
    QString result = QString::fromWCharArray(text.toCWString(), qsizetype(text.size()));
    for (QChar &character : result) {
        if (character.category() == QChar::Other_Control)
            character = QLatin1Char(' ');
    }
    return result.trimmed();
}

// The tag to show. TagLib gives a WAV file's ID3 tag alone, but files made on Windows carry
// their titles in a RIFF INFO list instead.
const TagLib::Tag *tagOf(const TagLib::FileRef &file) {
    const TagLib::Tag *tag = file.tag();
    if (auto *wav = dynamic_cast<TagLib::RIFF::WAV::File *>(file.file());
        wav && (!tag || tag->isEmpty()) && wav->hasInfoTag())
        return wav->InfoTag();
    return tag;
}

} // namespace

TrackTags readTrackTags(const QString &path) {
    const std::optional<FileFacts> facts = FileFacts::of(path);
    // Anything but a regular file could block the read (a FIFO) or never end it (a device).
    if (!facts || facts->kind != FileFacts::Kind::File)
        return {};
    return readTrackTagsOfFile(path);
}

TrackTags readTrackTagsOfFile(const QString &path) {
    // Read-only: opened for writing, as TagLib opens a file by default, every song read would
    // look written to whatever watches the folder.
    const QByteArray name = QFile::encodeName(path);
    TagLib::FileStream stream(name.constData(), true);
    if (!stream.isOpen())
        return {};
    const TagLib::FileRef file(&stream);
    if (file.isNull())
        return {};
    TrackTags tags;
    if (const TagLib::Tag *tag = tagOf(file)) {
        tags.title = textOf(tag->title());
        tags.artist = textOf(tag->artist());
        tags.album = textOf(tag->album());
        const unsigned int track = tag->track();
        tags.track = track <= unsigned(std::numeric_limits<int>::max()) ? int(track) : 0;
    }
    // TagLib gives 0 as the length of a file it could not measure (a text file named .mp3), so
    // 0 counts as unknown rather than showing as 0:00.
    if (const TagLib::AudioProperties *audio = file.audioProperties()) {
        const qint64 milliseconds = audio->lengthInMilliseconds();
        if (milliseconds > 0)
            tags.length = int((milliseconds + 500) / 1000);
    }
    return tags;
}

QList<TrackTags> readTrackTagsOfAll(const QStringList &paths) {
    QList<TrackTags> all(paths.size());
    TrackTags *const out = all.data();
    std::atomic<qsizetype> next{0};
    QThreadPool pool;
    for (int reader = 0; reader < pool.maxThreadCount(); ++reader) {
        pool.start([&] {
            for (qsizetype i = next++; i < paths.size(); i = next++)
                out[i] = readTrackTags(paths[i]);
        });
    }
    pool.waitForDone();
    return all;
}
