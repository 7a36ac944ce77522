#include "media/tagreading.h"

#include <QDataStream>
#include <QTemporaryDir>
#include <QTest>

#include <taglib/id3v2tag.h>
#include <taglib/infotag.h>
#include <taglib/wavfile.h>

#include <sys/stat.h>

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

} // namespace

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
};

QTEST_GUILESS_MAIN(TestTags)
#include "tst_tags.moc"
