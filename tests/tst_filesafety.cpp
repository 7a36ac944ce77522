#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "fakeplatform.h"

#include <QAction>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

// What the playlist commands do with the disk and with files that are not what they seem: a
// full disk, a file replaced under a hard link, FIFOs, devices, folders, huge files, byte-order
// marks, endless paths. Everything goes through the real window with scripted dialogs.
class TestFileSafety : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void fullDiskKeepsTheOldFileAndTheUnsavedState();
    void saveReplacesTheFileAsAWhole();
    void openRefusesWhatIsNoPlaylistFile_data();
    void openRefusesWhatIsNoPlaylistFile();
    void byteOrderMarkDecidesTheEncoding_data();
    void byteOrderMarkDecidesTheEncoding();
    void messagesQuoteLongPathsShortened();

private:
    QString write(const QString &name, const QByteArray &bytes) const {
        QFile file(m_dir->filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(file.fileName()));
        return file.fileName();
    }
    void trigger(const char *item) { m_form->findChild<QAction *>(item)->trigger(); }
    void open(const QString &path) {
        m_fakes->fileDialog->openAnswers.push_back({path});
        trigger("munfileopen");
    }
    QStringList paths() const {
        QStringList result;
        for (const PlaylistEntry &row : m_form->model().entries())
            result << row.path;
        return result;
    }
    QByteArray read(const QString &path) const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakePlatform> m_fakes;
    std::unique_ptr<frmmain> m_form;
    QString m_song;
};

void TestFileSafety::init() {
    m_form.reset();
    m_dir = std::make_unique<QTemporaryDir>();
    m_fakes = std::make_unique<FakePlatform>();
    m_form = std::make_unique<frmmain>(m_fakes->platform);
    m_song = write(u"歌.mp3"_s, "id3");
}

void TestFileSafety::fullDiskKeepsTheOldFileAndTheUnsavedState() {
    const QString disk = m_dir->filePath(u"disk"_s);
    QVERIFY(QDir().mkdir(disk));
    if (::mount("tmpfs", QFile::encodeName(disk).constData(), "tmpfs", 0, "size=32k") != 0)
        QSKIP(qPrintable(u"mounting a 32 KiB tmpfs needs root (CAP_SYS_ADMIN): "_s +
                         qt_error_string(errno)));
    const auto unmount = qScopeGuard([&disk] { ::umount2(QFile::encodeName(disk), MNT_DETACH); });

    // 12.6 KB of list and 12 KiB of filler: the new copy of the list no longer fits.
    const QString list = disk + u"/list.m3u"_s;
    const QByteArray bytes = "#EXTM3U\r\n" + (m_song.toUtf8() + "\r\n").repeated(12600 / 20);
    QFile file(list);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    QFile filler(disk + u"/filler"_s);
    QVERIFY(filler.open(QIODevice::WriteOnly) && filler.write(QByteArray(12 * 1024, 'x')) > 0);
    filler.close();

    open(list);
    QCOMPARE(m_form->model().rowCount(), 12600 / 20);
    const QString caption = m_form->windowTitle();
    trigger("munfilesave");

    QCOMPARE(m_fakes->messageBoxes->shown.size(), 1);
    const QString message = m_fakes->messageBoxes->shown.first().text;
    QVERIFY2(message.contains(list) && message.contains(qt_error_string(ENOSPC)),
             qPrintable(message));
    QCOMPARE(read(list), bytes);
    QCOMPARE(QDir(disk).entryList(QDir::Files | QDir::Hidden),
             (QStringList{u"filler"_s, u"list.m3u"_s}));
    QVERIFY(!m_form->saved);
    QCOMPARE(m_form->windowTitle(), caption);

    // Exit still asks; Cancel keeps the window.
    m_fakes->messageBoxes->answers = {MessageAnswer::Cancel};
    QVERIFY(!m_form->close());
    QCOMPARE(m_fakes->messageBoxes->shown.size(), 2);
    QVERIFY(m_fakes->messageBoxes->shown.last().question);
}

void TestFileSafety::saveReplacesTheFileAsAWhole() {
    const QString list = write(u"list.m3u"_s, "#EXTM3U\r\n");
    const QString link = m_dir->filePath(u"link.m3u"_s);
    QVERIFY(::link(QFile::encodeName(list), QFile::encodeName(link)) == 0);
    open(list);
    m_fakes->fileDialog->openAnswers.push_back({m_song});
    trigger("muneditadd");
    trigger("munfilesave");

    QVERIFY(m_fakes->messageBoxes->shown.isEmpty());
    QCOMPARE(read(list), "#EXTM3U\r\n" + m_song.toUtf8() + "\r\n");
    // The old file was replaced, not written over: its other name still holds the old bytes.
    QCOMPARE(read(link), QByteArray("#EXTM3U\r\n"));
    QVERIFY(m_form->saved);
}

void TestFileSafety::openRefusesWhatIsNoPlaylistFile_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");

    QTest::newRow("fifo") << u"fifo.m3u"_s << u"不是普通文件"_s;
    QTest::newRow("link to /dev/zero") << u"zero.m3u"_s << u"不是普通文件"_s;
    QTest::newRow("folder") << u"folder.m3u"_s << u"不是普通文件"_s;
    QTest::newRow("65 MiB") << u"huge.m3u"_s << u"大于 64 MB"_s;
    QTest::newRow("missing") << u"none.m3u"_s << u"无法读取列表文件"_s;
}

void TestFileSafety::openRefusesWhatIsNoPlaylistFile() {
    QFETCH(QString, name);
    QFETCH(QString, message);

    const QString path = m_dir->filePath(name);
    QVERIFY(::mkfifo(QFile::encodeName(m_dir->filePath(u"fifo.m3u"_s)), 0600) == 0);
    QVERIFY(QFile::link(u"/dev/zero"_s, m_dir->filePath(u"zero.m3u"_s)));
    QVERIFY(QDir().mkdir(m_dir->filePath(u"folder.m3u"_s)));
    QFile huge(m_dir->filePath(u"huge.m3u"_s));
    QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(65 * 1024 * 1024));
    huge.close();

    m_fakes->fileDialog->openAnswers.push_back({m_song});
    trigger("muneditadd");
    // The added row is asked about first; No would discard it, but a refused file replaces nothing.
    m_fakes->messageBoxes->answers = {MessageAnswer::No};
    open(path);

    QCOMPARE(m_fakes->messageBoxes->shown.size(), 2);
    const QString text = m_fakes->messageBoxes->shown.last().text;
    QVERIFY2(text.contains(message) && text.contains(path), qPrintable(text));
    QCOMPARE(paths(), QStringList{m_song});
    QCOMPARE(m_form->listname, u"新列表"_s);
}

void TestFileSafety::byteOrderMarkDecidesTheEncoding_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringConverter::Encoding>("encoding");
    QTest::addColumn<QString>("text");

    const QString pls = u"[playlist]\r\nFile1=歌.mp3\r\nNumberOfEntries=1\r\n"_s;
    const QString m3u = u"#EXTM3U\n歌.mp3\n"_s;
    QTest::newRow("pls, utf-16 le") << u"l.pls"_s << QStringConverter::Utf16LE << pls;
    QTest::newRow("pls, utf-16 be") << u"l.pls"_s << QStringConverter::Utf16BE << pls;
    QTest::newRow("m3u, utf-16 le") << u"l.m3u"_s << QStringConverter::Utf16LE << m3u;
    QTest::newRow("m3u, utf-8") << u"l.m3u"_s << QStringConverter::Utf8 << m3u;
}

void TestFileSafety::byteOrderMarkDecidesTheEncoding() {
    QFETCH(QString, name);
    QFETCH(QStringConverter::Encoding, encoding);
    QFETCH(QString, text);

    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    open(write(name, encoder.encode(text)));
    QVERIFY(m_fakes->messageBoxes->shown.isEmpty());
    QCOMPARE(paths(), QStringList{m_song});
}

void TestFileSafety::messagesQuoteLongPathsShortened() {
    const QString endless = u"/"_s + QString(1000000, u'長') + u".mp3"_s;
    const QString list =
        write(u"l.pls"_s, "[playlist]\nNumberOfEntries=1\nFile1=" + endless.toUtf8() + "\n");
    open(list);
    QCOMPARE(m_fakes->messageBoxes->shown.size(), 1);
    const QString text = m_fakes->messageBoxes->shown.first().text;
    // The path's start and end, around an ellipsis, within a box that fits the screen.
    QVERIFY2(text.size() < 300 && text.contains(u"/長長"_s) && text.contains(u"長.mp3"_s) &&
                 text.contains(u'…'),
             qPrintable(text));
}

QTEST_MAIN(TestFileSafety)
#include "tst_filesafety.moc"
