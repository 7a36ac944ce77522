#include "media/filequery.h"

#include <QTemporaryDir>
#include <QTest>

// One row built from one real file.
class TestFileQuery : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString makeFile(const QString &name, const QByteArray &bytes) {
        QFile file(m_dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot create the test file");
        return file.fileName();
    }

private Q_SLOTS:
    void buildsEveryCell() {
        const QString path = makeFile("第一首 歌.mp3", QByteArray(1234, 'x'));
        FileQuery query;
        const auto entry = query.entryFor(path);
        QVERIFY(entry && !entry->checked);
        QCOMPARE((QStringList{entry->name, entry->size, entry->path, entry->type}),
                 (QStringList{"第一首 歌.mp3", "1234", path, "MP3 音频"}));
        const QFileInfo info(path);
        const QDateTime created =
            info.birthTime().isValid() ? info.birthTime() : info.lastModified();
        QCOMPARE(entry->createdTime, created);
        QVERIFY(entry->created.startsWith(created.toString("yyyy/M/d ")));

        // The cached description of one suffix must not leak into others.
        const auto ogg = query.entryFor(makeFile("empty.ogg", {}));
        QVERIFY(ogg && ogg->size == "0" && !ogg->type.isEmpty() && ogg->type != entry->type);
        QCOMPARE(query.entryFor(makeFile("UPPER.MP3", "a"))->type, "MP3 音频");
    }

    void failsWhereNoFileIs() {
        FileQuery query;
        QCOMPARE(query.entryFor(m_dir.filePath("missing.mp3")), std::nullopt);
        QCOMPARE(query.entryFor(m_dir.path()), std::nullopt);
        QCOMPARE(query.entryFor(QString()), std::nullopt);
        // The system would stop at the NUL and find the file before it.
        QCOMPARE(query.entryFor(makeFile("a.mp3", "a") + QChar(0) + "b"), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestFileQuery)
#include "tst_filequery.moc"
