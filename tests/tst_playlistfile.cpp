#include "app/playlistmodel.h"
#include "media/filequery.h"
#include "platform/codepage.h"
#include "playlist/playlistfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Outcome = LoadedPlaylist::Outcome;
Q_DECLARE_METATYPE(LoadedPlaylist::Outcome)

class tst_PlaylistFile : public QObject {
    Q_OBJECT

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    void write(const QString &name, const QByteArray &bytes) const;
    QByteArray contents(const QString &name) const;
    QStringList loadedPaths(const LoadedPlaylist &loaded) const;

    QTemporaryDir m_dir;
    const CodePage m_utf8{"UTF-8"};

private Q_SLOTS:
    void initTestCase();
    void load_data();
    void load();
    void rowsBuiltAsAddBuildsThem();
    void everyWrittenListOpensAgain_data();
    void everyWrittenListOpensAgain();
    void moreEntriesThanTheTableHolds();
    void failedWriteKeepsTheOldFile_data();
    void failedWriteKeepsTheOldFile();
};

void tst_PlaylistFile::write(const QString &name, const QByteArray &bytes) const {
    QFile file(path(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray tst_PlaylistFile::contents(const QString &name) const {
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList tst_PlaylistFile::loadedPaths(const LoadedPlaylist &loaded) const {
    QStringList paths;
    for (const PlaylistEntry &row : loaded.rows)
        paths << QDir(m_dir.path()).relativeFilePath(row.path);
    return paths;
}

void tst_PlaylistFile::initTestCase() {
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("sub")));
    write(QStringLiteral("a.mp3"), "a");
    write(QStringLiteral("sub/b.mp3"), "bb");
    write(QStringLiteral("歌.mp3"), "ccc");
    write(QStringLiteral("#x; y=1.mp3"), "d");
}

void tst_PlaylistFile::load_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QString>("messagePart");

    const QByteArray dir = m_dir.path().toUtf8();
    QTest::newRow("m3u, relative entries from the list's folder")
        << "sub/l.m3u" << QByteArray("#EXTM3U\n../a.mp3\nb.mp3\n" + dir + "/a.mp3\n")
        << Outcome::Loaded
        << QStringList{QStringLiteral("a.mp3"), QStringLiteral("sub/b.mp3"),
                       QStringLiteral("a.mp3")}
        << QString();
    QTest::newRow("pls relative") << "l.PLS"
                                  << QByteArray("[playlist]\nFile1=sub/b.mp3\n"
                                                "NumberOfEntries=1\n")
                                  << Outcome::Loaded << QStringList{QStringLiteral("sub/b.mp3")}
                                  << QString();
    QTest::newRow("gbk m3u on a utf-8 system")
        << "g.m3u" << QByteArray::fromHex("b8e82e6d7033") << Outcome::Loaded
        << QStringList{QStringLiteral("歌.mp3")} << QString();
    QTest::newRow("m3u8 with bom and uri")
        << "u.m3u8" << QByteArray("\xEF\xBB\xBF#EXTM3U\r\nfile://" + dir + "/%E6%AD%8C.mp3\r\n")
        << Outcome::Loaded << QStringList{QStringLiteral("歌.mp3")} << QString();
    QTest::newRow("empty m3u") << "e.m3u" << QByteArray() << Outcome::Loaded << QStringList()
                               << QString();
    QTest::newRow("empty ram") << "e.ram" << QByteArray() << Outcome::Loaded << QStringList()
                               << QString();

    QTest::newRow("missing media file named")
        << "m.m3u" << QByteArray("a.mp3\r\nnone.mp3\r\nsub/b.mp3\r\n") << Outcome::Failed
        << QStringList() << m_dir.filePath(QStringLiteral("none.mp3"));
    QTest::newRow("a folder is no media file")
        << "f.m3u" << QByteArray("sub\r\n") << Outcome::Failed << QStringList()
        << m_dir.filePath(QStringLiteral("sub"));
}

void tst_PlaylistFile::load() {
    QFETCH(QString, list);
    QFETCH(QByteArray, bytes);
    QFETCH(Outcome, outcome);
    QFETCH(QStringList, paths);
    QFETCH(QString, messagePart);
    write(list, bytes);
    const LoadedPlaylist loaded = loadPlaylistFile(path(list), m_utf8);
    QCOMPARE(loaded.outcome, outcome);
    QCOMPARE(loadedPaths(loaded), paths);
    QVERIFY2(loaded.error.contains(messagePart), qPrintable(loaded.error));
}

void tst_PlaylistFile::rowsBuiltAsAddBuildsThem() {
    write(QStringLiteral("r.ram"), "file://" + path(QStringLiteral("歌.mp3")).toUtf8());
    const LoadedPlaylist loaded = loadPlaylistFile(path(QStringLiteral("r.ram")), m_utf8);
    QCOMPARE(loaded.rows.size(), size_t(1));
    const std::optional<PlaylistEntry> expected =
        FileQuery().entryFor(path(QStringLiteral("歌.mp3")));
    QVERIFY(expected);
    const PlaylistEntry &row = loaded.rows.front();
    QCOMPARE(row.name, expected->name);
    QCOMPARE(row.size, QStringLiteral("3"));
    QCOMPARE(row.path, expected->path);
    QCOMPARE(row.type, expected->type);
    QCOMPARE(row.created, expected->created);
    QVERIFY(!row.checked);

    const LoadedPlaylist unreadable = loadPlaylistFile(path(QStringLiteral("none.m3u")), m_utf8);
    QCOMPARE(unreadable.outcome, Outcome::Failed);
    QVERIFY(unreadable.error.contains(path(QStringLiteral("none.m3u"))));
}

void tst_PlaylistFile::everyWrittenListOpensAgain_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QByteArray>("charset");
    const QByteArray utf8("UTF-8");
    const QByteArray gb18030("GB18030");
    QTest::newRow("pls, full table") << "full.pls" << PlaylistModel::MaxRows << utf8;
    QTest::newRow("m3u, full table") << "full.m3u" << PlaylistModel::MaxRows << utf8;
    QTest::newRow("pls gb18030") << "gb.pls" << 5 << gb18030;
    QTest::newRow("m3u gb18030") << "gb.m3u" << 5 << gb18030;
    QTest::newRow("ram gb18030") << "gb.ram" << 5 << gb18030;
    QTest::newRow("ram") << "some.ram" << 5 << utf8;
    QTest::newRow("m3u8") << "some.m3u8" << 5 << gb18030;
    QTest::newRow("empty m3u") << "none.m3u" << 0 << utf8;
    QTest::newRow("empty ram") << "none.ram" << 0 << utf8;
    QTest::newRow("empty pls") << "none.pls" << 0 << utf8;
}

void tst_PlaylistFile::everyWrittenListOpensAgain() {
    QFETCH(QString, list);
    QFETCH(int, rows);
    QFETCH(QByteArray, charset);
    // A path of well over 255 bytes in UTF-8.
    const QString longName = QString(80, QChar(u'长')) + QStringLiteral("/") +
                             QString(80, QChar(u'歌')) + QStringLiteral(".mp3");
    QVERIFY(QDir(m_dir.path()).mkpath(QString(80, QChar(u'长'))));
    write(longName, "x");
    PlaylistModel model;
    const QStringList names{QStringLiteral("a.mp3"), QStringLiteral("sub/b.mp3"), longName,
                            QStringLiteral("歌.mp3"), QStringLiteral("#x; y=1.mp3")};
    for (int row = 0; row < rows; ++row) {
        PlaylistEntry entry;
        entry.path = path(names[row % names.size()]);
        model.insertEntry(row, entry);
    }
    const CodePage codePage(charset);
    QCOMPARE(savePlaylistFile(path(list), model, codePage), QString());
    const LoadedPlaylist loaded = loadPlaylistFile(path(list), codePage);
    QCOMPARE(loaded.outcome, Outcome::Loaded);
    QCOMPARE(int(loaded.rows.size()), rows);
    for (int row = 0; row < rows; ++row)
        QCOMPARE(loaded.rows[size_t(row)].path, model.entry(row).path);
}

void tst_PlaylistFile::moreEntriesThanTheTableHolds() {
    QByteArray m3u;
    for (int i = 0; i <= PlaylistModel::MaxRows; ++i)
        m3u += "a.mp3\n";
    write(QStringLiteral("big.m3u"), m3u);
    const LoadedPlaylist loaded = loadPlaylistFile(path(QStringLiteral("big.m3u")), m_utf8);
    QCOMPARE(loaded.outcome, Outcome::Failed);
    QVERIFY2(loaded.error.contains(QStringLiteral("32768项")), qPrintable(loaded.error));
    QVERIFY(loaded.rows.empty());
}

void tst_PlaylistFile::failedWriteKeepsTheOldFile_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("mediaPath");
    QTest::newRow("missing folder") << "nofolder/l.m3u"
                                    << "/m/a.mp3";
    QTest::newRow("target is a folder") << "sub"
                                        << "/m/a.mp3";
    QTest::newRow("unknown extension") << "old.txt"
                                       << "/m/a.mp3";
    QTest::newRow("line break") << "old.m3u"
                                << "/m/a\nb.mp3";
    QTest::newRow("not in the character set") << "old.pls"
                                              << "/m/🎵.mp3";
}

void tst_PlaylistFile::failedWriteKeepsTheOldFile() {
    QFETCH(QString, target);
    QFETCH(QString, mediaPath);
    const QFileInfo info(path(target));
    if (info.dir().exists() && !info.exists())
        write(target, "old contents");
    const QByteArray before = contents(target);
    const QDir dir(m_dir.path());
    const QStringList filesBefore = dir.entryList(QDir::Files | QDir::Hidden);
    PlaylistModel model;
    PlaylistEntry entry;
    entry.path = mediaPath;
    model.insertEntry(0, entry);
    const QString error = savePlaylistFile(path(target), model, CodePage("GBK"));
    QVERIFY2(error.contains(path(target)), qPrintable(error));
    QCOMPARE(contents(target), before);
    QCOMPARE(dir.entryList(QDir::Files | QDir::Hidden), filesBefore);
}

QTEST_GUILESS_MAIN(tst_PlaylistFile)
#include "tst_playlistfile.moc"
