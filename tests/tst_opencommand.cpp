#include "app/apptexts.h"
#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "fakeplatform.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

class tst_OpenCommand : public QObject {
    Q_OBJECT

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    void write(const QString &name, const QByteArray &bytes) const;
    void trigger(const char *name) { m_form->findChild<QAction *>(QLatin1String(name))->trigger(); }
    void open(const QStringList &answer);
    QStringList tablePaths() const;
    QString countText() const {
        return m_form->findChild<QLabel *>(QStringLiteral("countPanel"))->text();
    }
    // Opens a first list and marks it saved, so that every later change shows.
    void openFirstList();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakePlatform> m_fake;
    std::unique_ptr<frmmain> m_form;

private Q_SLOTS:
    void init();
    void cleanup();
    void opensEveryReadableFormat_data();
    void opensEveryReadableFormat();
    void cancelled();
    void failuresChangeNothing_data();
    void failuresChangeNothing();
    void plsWithoutEntries();
};

void tst_OpenCommand::write(const QString &name, const QByteArray &bytes) const {
    QFile file(path(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void tst_OpenCommand::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    write(QStringLiteral("a.mp3"), "a");
    write(QStringLiteral("b.mp3"), "bb");
    write(QStringLiteral("歌.mp3"), "ccc");
    write(QStringLiteral("first.m3u"), "#EXTM3U\r\nb.mp3\r\n");
    m_fake = std::make_unique<FakePlatform>();
    m_form = std::make_unique<frmmain>(m_fake->platform);
    new QAbstractItemModelTester(&m_form->model(), m_form.get());
    m_form->show();
}

void tst_OpenCommand::cleanup() {
    m_form.reset();
    m_fake.reset();
    m_dir.reset();
}

void tst_OpenCommand::open(const QStringList &answer) {
    m_fake->fileDialog->openAnswers.push_back(answer);
    trigger("munfileopen");
}

QStringList tst_OpenCommand::tablePaths() const {
    QStringList paths;
    for (int row = 0; row < m_form->model().rowCount(); ++row)
        paths << QDir(m_dir->path()).relativeFilePath(m_form->model().entry(row).path);
    return paths;
}

void tst_OpenCommand::openFirstList() {
    open({path(QStringLiteral("first.m3u"))});
    QCOMPARE(tablePaths(), QStringList{QStringLiteral("b.mp3")});
    m_form->saved = true;
    m_fake->fileDialog->openRequests.clear();
}

void tst_OpenCommand::opensEveryReadableFormat_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QByteArray>("bytes");
    // "@" stands for the test's folder; "歌.mp3" is relative to the list.
    const QByteArray a("@/a.mp3");
    QTest::newRow("pls") << "l.pls"
                         << "[playlist]\r\nFile1=" + a + "\r\nFile2=歌.mp3\r\nFile3=" + a +
                                "\r\nNumberOfEntries=3\r\nVersion=2\r\n";
    QTest::newRow("m3u, lf only") << "l.m3u"
                                  << "#EXTM3U\n" + a + "\n歌.mp3\n" + a + "\n";
    QTest::newRow("m3u8") << "l.m3u8"
                          << "#EXTM3U\r\n" + a + "\r\n歌.mp3\r\n" + a;
    QTest::newRow("ram, gbk") << "l.RAM"
                              << "file://" + a + "\r\nfile://" + QByteArray::fromHex("b8e8") +
                                     ".mp3\r\nfile://" + a;
}

void tst_OpenCommand::opensEveryReadableFormat() {
    QFETCH(QString, list);
    QFETCH(QByteArray, bytes);
    write(list, bytes.replace('@', m_dir->path().toUtf8()));
    openFirstList();
    open({path(list)});

    QCOMPARE(m_fake->fileDialog->openRequests.size(), 1);
    QCOMPARE(m_fake->fileDialog->openRequests.first().fileName, QString());
    QCOMPARE(m_fake->fileDialog->openRequests.first().filter,
             QStringLiteral("Pls文件(*.pls)|*.pls|M3u文件(*.m3u)|*.m3u|Ram文件(*.ram)|*.ram"));
    QCOMPARE(tablePaths(), (QStringList{QStringLiteral("a.mp3"), QStringLiteral("歌.mp3"),
                                        QStringLiteral("a.mp3")}));
    QCOMPARE(m_form->listname, path(list));
    QCOMPARE(m_form->windowTitle(), QStringLiteral("VantrelV 1.0 --- ") + path(list));
    QVERIFY(!m_form->saved);
    QCOMPARE(m_form->insertpos, 4);
    QCOMPARE(countText(), QStringLiteral("共有3个节目文件！"));
    QVERIFY(m_form->muneditdelete->isEnabled());
    QVERIFY(m_fake->messageBoxes->shown.isEmpty());
}

void tst_OpenCommand::cancelled() {
    openFirstList();
    open({});
    QCOMPARE(tablePaths(), QStringList{QStringLiteral("b.mp3")});
    QCOMPARE(m_form->listname, path(QStringLiteral("first.m3u")));
    QVERIFY(!m_form->saved);
    QVERIFY(m_fake->messageBoxes->shown.isEmpty());
}

void tst_OpenCommand::failuresChangeNothing_data() {
    QTest::addColumn<QStringList>("chosen");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("messagePart"); // empty: no message
    QTest::addColumn<MessageIcon>("icon");

    const QStringList m3u{QStringLiteral("x.m3u")};
    QTest::newRow("missing media file") << m3u << QByteArray("a.mp3\r\nnone.mp3\r\nb.mp3\r\n")
                                        << "none.mp3" << MessageIcon::Warning;
    QTest::newRow("file cannot be read") << QStringList{QStringLiteral("absent.m3u")}
                                         << QByteArray() << "absent.m3u" << MessageIcon::Warning;
    QTest::newRow("missing pls key")
        << QStringList{QStringLiteral("x.pls")}
        << QByteArray("[playlist]\r\nFile1=a.mp3\r\nNumberOfEntries=2\r\n") << "第2项"
        << MessageIcon::Warning;
    QTest::newRow("not a pls") << QStringList{QStringLiteral("x.pls")}
                               << QByteArray(" [playlist]\r\nNumberOfEntries=0\r\n")
                               << "此文件不是有效的PLS文件！" << MessageIcon::None;
    QTest::newRow("asx is not read") << QStringList{QStringLiteral("x.asx")} << QByteArray("<Asx>")
                                     << QString() << MessageIcon::None;
    QTest::newRow("several files") << QStringList{QStringLiteral("x.m3u"), QStringLiteral("y.m3u")}
                                   << QByteArray("a.mp3\r\n") << "一个" << MessageIcon::Warning;
    QTest::newRow("selection too long")
        << QStringList{QStringLiteral("x") + QString(300, QLatin1Char('y')) +
                       QStringLiteral(".m3u")}
        << QByteArray() << "太长" << MessageIcon::Warning;
}

void tst_OpenCommand::failuresChangeNothing() {
    QFETCH(QStringList, chosen);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, messagePart);
    QFETCH(MessageIcon, icon);
    if (!bytes.isEmpty())
        write(chosen.first(), bytes);
    openFirstList();
    const QString caption = m_form->windowTitle();
    QStringList answer;
    for (const QString &name : std::as_const(chosen))
        answer << path(name);
    open(answer);

    QCOMPARE(tablePaths(), QStringList{QStringLiteral("b.mp3")});
    QCOMPARE(m_form->listname, path(QStringLiteral("first.m3u")));
    QCOMPARE(m_form->windowTitle(), caption);
    QVERIFY(!m_form->saved);
    const QList<ShownMessage> &shown = m_fake->messageBoxes->shown;
    QCOMPARE(shown.size(), messagePart.isEmpty() ? 0 : 1);
    if (!messagePart.isEmpty()) {
        QVERIFY2(shown.first().text.contains(messagePart), qPrintable(shown.first().text));
        QCOMPARE(shown.first().title, QStringLiteral("Vantrel"));
        QCOMPARE(shown.first().icon, icon);
    }
}

void tst_OpenCommand::plsWithoutEntries() {
    write(QStringLiteral("none.pls"), "[playlist]\r\nFile1=a.mp3\r\n");
    openFirstList();
    open({path(QStringLiteral("none.pls"))});
    QCOMPARE(m_form->model().rowCount(), 0);
    QCOMPARE(m_form->listname, path(QStringLiteral("none.pls")));
    QCOMPARE(countText(), QStringLiteral("共有0个节目文件！"));
    QVERIFY(!m_form->muneditdelete->isEnabled());
    QVERIFY(!m_form->muneditgoon->isEnabled());
}

QTEST_MAIN(tst_OpenCommand)
#include "tst_opencommand.moc"
