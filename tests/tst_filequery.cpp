#include "media/filequery.h"
#include "media/generaldate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QTemporaryDir>
#include <QTest>

// One row built from one real file.
class TestFileQuery : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void buildsEveryCell();
    void cleansThePath();
    void failsWhereNoFileIs();

private:
    QString makeFile(const QString &name, const QByteArray &bytes);
    QTemporaryDir m_dir;
};

QString TestFileQuery::makeFile(const QString &name, const QByteArray &bytes) {
    QFile file(m_dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot create the test file");
    return file.fileName();
}

void TestFileQuery::buildsEveryCell() {
    const QString path = makeFile("第一首 歌.mp3", QByteArray(1234, 'x'));
    const QString empty = makeFile("empty.ogg", {});
    FileQuery query;

    const auto entry = query.entryFor(path);
    QVERIFY(entry);
    QCOMPARE(entry->name, "第一首 歌.mp3");
    QCOMPARE(entry->size, "1234");
    QCOMPARE(entry->path, path);
    QCOMPARE(entry->type, "MP3 音频");
    QVERIFY(!entry->checked);

    const QFileInfo info(path);
    const QDateTime created = info.birthTime().isValid() ? info.birthTime() : info.lastModified();
    QCOMPARE(entry->createdTime, created);
    QCOMPARE(entry->created, GeneralDate(QLocale::system()).text(created));
    QVERIFY(entry->created.startsWith(created.toString("yyyy/M/d ")));

    // The cached description for the suffix must not leak into other suffixes.
    const auto ogg = query.entryFor(empty);
    QVERIFY(ogg);
    QCOMPARE(ogg->size, "0");
    QCOMPARE(ogg->type,
             QMimeDatabase().mimeTypeForFile("x.ogg", QMimeDatabase::MatchExtension).comment());
    QVERIFY(ogg->type != entry->type);
    QCOMPARE(query.entryFor(makeFile("UPPER.MP3", "a"))->type, "MP3 音频");
}

void TestFileQuery::cleansThePath() {
    const QString path = makeFile("a.wav", "data");
    QVERIFY(QDir(m_dir.path()).mkdir("sub"));
    QVERIFY(QDir::setCurrent(m_dir.path()));
    FileQuery query;
    for (const QString &spelling : {m_dir.path() + "//sub/.././a.wav", QString("a.wav")}) {
        const auto entry = query.entryFor(spelling);
        QVERIFY2(entry, qPrintable(spelling));
        QCOMPARE(entry->path, path);
    }
}

void TestFileQuery::failsWhereNoFileIs() {
    FileQuery query;
    QCOMPARE(query.entryFor(m_dir.filePath("missing.mp3")), std::nullopt);
    QCOMPARE(query.entryFor(m_dir.path()), std::nullopt);
    QCOMPARE(query.entryFor(QString()), std::nullopt);
}

QTEST_GUILESS_MAIN(TestFileQuery)
#include "tst_filequery.moc"
