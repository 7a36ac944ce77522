#include "media/tagloader.h"
#include "media/tagreading.h"

#include <QDataStream>
#include <QDeadlineTimer>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <taglib/id3v2tag.h>
#include <taglib/infotag.h>
#include <taglib/wavfile.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <atomic>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TrackTags)

namespace {

const QString Data = QStringLiteral(VANTREL_TEST_DATA "/");

QString describe(const TrackTags &tags) {
    return u"%1|%2|%3|%4|%5"_s.arg(tags.title, tags.artist, tags.album)
        .arg(tags.track)
        .arg(tags.length);
}

TagLib::String tagText(const QString &text) {
    return TagLib::String(text.toStdString(), TagLib::String::UTF8);
}

// Silence of a known length: mono 8-bit PCM at 8 kHz, written byte by byte.
QByteArray wavBytes(int milliseconds) {
    const quint32 samples = quint32(milliseconds) * 8;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + samples);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(8000) << quint32(8000) << quint16(1)
        << quint16(8);
    out.writeRawData("data", 4);
    out << samples;
    out.writeRawData(QByteArray(int(samples), '\x80').constData(), int(samples));
    return bytes;
}

struct stat statusOf(const QString &path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        qFatal("cannot stat the test file");
    return status;
}

qint64 changeTime(const QString &path) {
    const struct stat status = statusOf(path);
    return status.st_ctim.tv_sec * 1000000000 + status.st_ctim.tv_nsec;
}

// Reads a file only when the test opens its gate, and names the song after the file. Files
// named next… have a gate of their own.
struct GatedReader {
    QSemaphore gates[2];
    std::atomic<int> waiting{0};
    std::atomic<int> reads{0};

    TrackTags operator()(const QString &path) {
        const QString name = QFileInfo(path).fileName();
        ++waiting;
        gates[name.startsWith(u"next")].acquire();
        --waiting;
        ++reads;
        return {name, {}, {}, 0, -1};
    }
};

enum class Change { None, Grown, Rewritten, TimeSetBack, ModeChanged, Removed, Folder };

} // namespace

Q_DECLARE_METATYPE(Change)

// Tags read through TagLib from files the tests make, and the loader that reads them.
class TestTags : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString makeFile(const QString &name, const QByteArray &bytes) {
        QFile file(m_dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot create the test file");
        return file.fileName();
    }

    // A WAV file tagged through TagLib's writer, in an ID3v2 tag or in a RIFF INFO list as
    // Windows tags them.
    QString makeWav(const QString &name, int milliseconds, TagLib::RIFF::WAV::File::TagTypes kind,
                    const TrackTags &tags) {
        const QString path = makeFile(name, wavBytes(milliseconds));
        TagLib::RIFF::WAV::File file(QFile::encodeName(path).constData());
        TagLib::Tag *tag =
            kind == file.Info ? static_cast<TagLib::Tag *>(file.InfoTag()) : file.ID3v2Tag();
        tag->setTitle(tagText(tags.title));
        tag->setArtist(tagText(tags.artist));
        tag->setAlbum(tagText(tags.album));
        tag->setTrack(unsigned(tags.track));
        if (!file.save(kind))
            qFatal("cannot tag the test file");
        return path;
    }

    QStringList makeFiles(const QString &prefix, int count) {
        QStringList paths;
        for (int i = 0; i < count; ++i)
            paths << makeFile(prefix + QString::number(i), "x");
        return paths;
    }

    // File times come from a clock that ticks every few milliseconds: waits until a change made
    // now gets a later time than path has.
    void waitForNextTick(const QString &path) {
        const qint64 before = changeTime(path);
        const QDeadlineTimer deadline(5000);
        while (changeTime(makeFile(u"probe"_s, "p")) <= before && !deadline.hasExpired()) {
        }
    }

private Q_SLOTS:
    void readsTags_data() {
        using Wav = TagLib::RIFF::WAV::File;
        QTest::addColumn<QString>("path");
        QTest::addColumn<TrackTags>("expected");
        const QString fifo = m_dir.filePath(u"fifo.mp3"_s);
        QVERIFY(::mkfifo(QFile::encodeName(fifo), 0600) == 0);
        QTest::newRow("WAV, ID3v2, 1.6 s")
            << makeWav(u"id3.wav"_s, 1600, Wav::ID3v2, {"Morning Song", "王菲", "Eyes", 3, -1})
            << TrackTags{"Morning Song", "王菲", "Eyes", 3, 2};
        QTest::newRow("WAV, RIFF INFO, 1.4 s, blanks around the title")
            << makeWav(u"info.wav"_s, 1400, Wav::Info, {"  Windows Title ", "Someone", "", 7, -1})
            << TrackTags{"Windows Title", "Someone", {}, 7, 1};
        QTest::newRow("line break and tab in a title")
            << makeWav(u"lines.wav"_s, 1000, Wav::ID3v2, {"One\nTwo\tThree", "", "", 0, -1})
            << TrackTags{"One Two Three", {}, {}, 0, 1};
        QTest::newRow("WAV without tags")
            << makeFile(u"plain.wav"_s, wavBytes(3000)) << TrackTags{{}, {}, {}, 0, 3};
        QTest::newRow("MP3") << Data + "tagged.mp3"
                             << TrackTags{"Morning Song", "王菲", "Eyes", 3, 2};
        QTest::newRow("FLAC") << Data + "tagged.flac"
                              << TrackTags{"夜曲", "周杰伦", "十一月的萧邦", 1, 3};
        QTest::newRow("Ogg Vorbis")
            << Data + "tagged.ogg" << TrackTags{"Ogg Title", "Vorbis Artist", "Ogg Album", 12, 2};
        QTest::newRow("text named .mp3") << makeFile(u"notes.mp3"_s, "not a song\n") << TrackTags{};
        QTest::newRow("missing file") << m_dir.filePath(u"missing.mp3"_s) << TrackTags{};
        QTest::newRow("FIFO, never opened") << fifo << TrackTags{};
        QTest::newRow("NUL after a song's name")
            << Data + "tagged.mp3" + QChar(0) + ".mp3" << TrackTags{};
    }

    void readsTags() {
        QFETCH(QString, path);
        QFETCH(TrackTags, expected);
        QCOMPARE(describe(readTrackTags(path)), describe(expected));
        // Read with others on every core, each keeps its place.
        const QList<TrackTags> all = readTrackTagsOfAll(
            {path, Data + "tagged.flac", m_dir.filePath(u"none"_s), path, Data + "tagged.ogg"});
        QCOMPARE(describe(all.value(3)), describe(expected));
        QCOMPARE((QStringList{all.value(1).title, all.value(4).title}),
                 (QStringList{"夜曲", "Ogg Title"}));
        QVERIFY(all.size() == 5 && all.value(2).isEmpty());
    }

    void loadsInBatches_data() {
        QTest::addColumn<int>("files");
        QTest::addColumn<int>("firstReads");
        QTest::newRow("four files at once") << 4 << 4;
        QTest::newRow("300 files, half first") << 300 << 150;
    }

    void loadsInBatches() {
        QFETCH(int, files);
        QFETCH(int, firstReads);
        const QStringList paths = makeFiles(u"song"_s, files);
        GatedReader reader;
        TagLoader loader(std::ref(reader));
        // A failed check must not leave the loader waiting for its readers.
        const auto open = qScopeGuard([&] { reader.gates[0].release(1000); });
        QSignalSpy progress(&loader, &TagLoader::progressChanged);
        QSignalSpy finished(&loader, &TagLoader::finished);
        QStringList arrived;
        int batches = 0;
        connect(&loader, &TagLoader::tagsArrived, this, [&](const QStringList &batch) {
            arrived += batch;
            batches += QThread::currentThread() == thread() ? 1 : 1000;
        });

        // Paths handed again while pending cost nothing.
        loader.load(paths);
        loader.load(paths.mid(files / 2));
        QCOMPARE(loader.total(), files);
        reader.gates[0].release(firstReads);
        if (firstReads < files) {
            QTRY_COMPARE(loader.done(), firstReads);
            QCOMPARE(progress.last(), (QVariantList{firstReads, files}));
            reader.gates[0].release(files - firstReads);
        }
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(QSet<QString>(arrived.begin(), arrived.end()).size(), files);
        QCOMPARE((QList<int>{int(arrived.size()), reader.reads, loader.done(), loader.total()}),
                 (QList<int>{files, files, 0, 0}));
        QVERIFY2(batches <= 4, qPrintable(QString::number(batches)));
        QCOMPARE(loader.tagsOf(paths.last()).title, u"song%1"_s.arg(files - 1));
    }

    void dropsPending_data() {
        QTest::addColumn<int>("firstReads");
        QTest::newRow("before any read") << 0;
        QTest::newRow("midway") << 5;
    }

    void dropsPending() {
        QFETCH(int, firstReads);
        GatedReader reader;
        TagLoader loader(std::ref(reader));
        const auto open = qScopeGuard([&] {
            for (QSemaphore &gate : reader.gates)
                gate.release(1000);
        });
        QSignalSpy finished(&loader, &TagLoader::finished);
        loader.load(makeFiles(u"dropped"_s, 40));
        reader.gates[0].release(firstReads);
        // Each core's reader holds a file when the list is dropped.
        const int underWay = QThread::idealThreadCount();
        QTRY_COMPARE(reader.waiting, underWay);
        loader.dropPending();
        QCOMPARE((QList<int>{int(finished.count()), loader.done(), loader.total()}),
                 (QList<int>{1, 0, 0}));

        loader.load(makeFiles(u"next"_s, 3));
        // The reads under way end and reach the cache, but count for nothing now.
        reader.gates[0].release(underWay);
        QTRY_COMPARE(loader.cache().count(), firstReads + underWay);
        QCOMPARE((QList<int>{int(finished.count()), loader.done(), loader.total()}),
                 (QList<int>{1, 0, 3}));
        reader.gates[1].release(3);
        QTRY_COMPARE(finished.count(), 2);
        QCOMPARE(reader.reads, firstReads + underWay + 3);
    }

    void rereadsChangedFiles_data() {
        QTest::addColumn<Change>("change");
        QTest::addColumn<int>("reads");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("arrives");
        QTest::newRow("unchanged") << Change::None << 0 << "x" << false;
        QTest::newRow("grown") << Change::Grown << 1 << "xy" << true;
        QTest::newRow("rewritten, same size") << Change::Rewritten << 1 << "z" << true;
        // As tag editors that keep the file's time do: only the change time tells.
        QTest::newRow("rewritten, time set back") << Change::TimeSetBack << 1 << "z" << true;
        QTest::newRow("mode changed, same tags") << Change::ModeChanged << 1 << "x" << false;
        QTest::newRow("removed") << Change::Removed << 0 << "" << true;
        QTest::newRow("a folder now") << Change::Folder << 0 << "" << true;
    }

    void rereadsChangedFiles() {
        QFETCH(Change, change);
        QFETCH(int, reads);
        QFETCH(QString, title);
        QFETCH(bool, arrives);
        const QString name = u"changing%1"_s.arg(int(change));
        const QString path = makeFile(name, "x");
        std::atomic<int> done{0};
        TagLoader loader([&](const QString &file) {
            ++done;
            QFile song(file);
            TrackTags tags;
            tags.title = song.open(QIODevice::ReadOnly) ? song.readAll() : "?";
            return tags;
        });
        QSignalSpy finished(&loader, &TagLoader::finished);
        QSignalSpy arrived(&loader, &TagLoader::tagsArrived);
        loader.load({path});
        QVERIFY(finished.wait());

        waitForNextTick(path);
        const struct stat before = statusOf(path);
        const timespec times[2] = {before.st_atim, before.st_mtim};
        switch (change) {
        case Change::None:
            break;
        case Change::Grown:
            makeFile(name, "xy");
            break;
        case Change::Rewritten:
            makeFile(name, "z");
            break;
        case Change::TimeSetBack:
            makeFile(name, "z");
            QVERIFY(::utimensat(AT_FDCWD, QFile::encodeName(path), times, 0) == 0);
            break;
        case Change::ModeChanged:
            QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
            break;
        case Change::Removed:
            QVERIFY(QFile::remove(path));
            break;
        case Change::Folder:
            QVERIFY(QFile::remove(path) && QDir().mkdir(path));
            break;
        }
        loader.load({path});
        QVERIFY(finished.wait());
        QCOMPARE((QList<int>{done, int(arrived.count())}),
                 (QList<int>{1 + reads, arrives ? 2 : 1}));
        QCOMPARE(loader.tagsOf(path).title, title);
    }
};

QTEST_GUILESS_MAIN(TestTags)
#include "tst_tags.moc"
