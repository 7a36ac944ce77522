#include "app/apptexts.h"
#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "fakeplatform.h"
#include "media/filequery.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

using Files = QMap<QString, QByteArray>;
Q_DECLARE_METATYPE(MessageAnswer)

class tst_DocumentCommands : public QObject {
    Q_OBJECT

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    void trigger(const char *name) { m_form->findChild<QAction *>(QLatin1String(name))->trigger(); }
    void addRow(const QString &name);
    QString countText() const {
        return m_form->findChild<QLabel *>(QStringLiteral("countPanel"))->text();
    }
    // Every file under the temporary folder with its contents.
    Files files() const;
    QByteArray m3uOf(const QStringList &names) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakePlatform> m_fake;
    std::unique_ptr<frmmain> m_form;
    const QString m_newList = QStringLiteral("新列表");

private Q_SLOTS:
    void init();
    void cleanup();
    void saveWithoutAName();
    void saveCancelled_data();
    void saveCancelled();
    void saveRefused_data();
    void saveRefused();
    void saveAsKeepsTheDocumentState();
    void discardingTheList_data();
    void discardingTheList();
};

void tst_DocumentCommands::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    for (const char *name : {"a.mp3", "b.mp3", "c.mp3"}) {
        QFile file(path(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    m_fake = std::make_unique<FakePlatform>();
    m_form = std::make_unique<frmmain>(m_fake->platform);
    new QAbstractItemModelTester(&m_form->model(), m_form.get());
    m_form->show();
    addRow(QStringLiteral("a.mp3"));
    addRow(QStringLiteral("b.mp3"));
}

void tst_DocumentCommands::cleanup() {
    m_form.reset();
    m_fake.reset();
    m_dir.reset();
}

void tst_DocumentCommands::addRow(const QString &name) {
    PlaylistModel &model = m_form->model();
    model.insertEntry(model.rowCount(), *FileQuery().entryFor(path(name)));
    m_form->updaterowcommands();
    m_form->showcount();
}

Files tst_DocumentCommands::files() const {
    Files result;
    const QStringList names = QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        QFile file(path(name));
        result[name] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    return result;
}

QByteArray tst_DocumentCommands::m3uOf(const QStringList &names) const {
    QByteArray bytes("#EXTM3U\r\n");
    for (const QString &name : names)
        bytes += path(name).toUtf8() + "\r\n";
    return bytes;
}

void tst_DocumentCommands::saveWithoutAName() {
    const QString target = path(QStringLiteral("list.m3u"));
    m_fake->fileDialog->saveAnswers = {target};
    trigger("munfilesave");

    QCOMPARE(m_fake->fileDialog->saveRequests.size(), 1);
    const FileDialogRequest request = m_fake->fileDialog->saveRequests.first();
    QCOMPARE(request.fileName, m_newList);
    QCOMPARE(request.filter,
             QStringLiteral("Pls文件(*.pls)|*.pls|M3u文件(*.m3u)|*.m3u|Ram文件(*.ram)|*.ram"));
    QCOMPARE(request.flags, 2);
    QCOMPARE(files().value(QStringLiteral("list.m3u")),
             m3uOf({QStringLiteral("a.mp3"), QStringLiteral("b.mp3")}));
    QCOMPARE(m_form->listname, target);
    QVERIFY(m_form->saved);
    QCOMPARE(m_form->windowTitle(), QStringLiteral("VantrelV 1.0 --- ") + target);
    QCOMPARE(countText(), QStringLiteral("共有2个节目文件！"));

    // The list now has a file: Save writes there without a dialog.
    addRow(QStringLiteral("c.mp3"));
    trigger("munfilesave");
    QCOMPARE(m_fake->fileDialog->saveRequests.size(), 1);
    QCOMPARE(files().value(QStringLiteral("list.m3u")),
             m3uOf({QStringLiteral("a.mp3"), QStringLiteral("b.mp3"), QStringLiteral("c.mp3")}));
    QVERIFY(m_fake->messageBoxes->shown.isEmpty());
}

void tst_DocumentCommands::saveCancelled_data() {
    QTest::addColumn<QString>("answer");
    QTest::newRow("empty") << QString();
    QTest::newRow("unchanged name") << m_newList;
}

void tst_DocumentCommands::saveCancelled() {
    QFETCH(QString, answer);
    const Files before = files();
    m_fake->fileDialog->saveAnswers = {answer};
    trigger("munfilesave");
    QCOMPARE(files(), before);
    QCOMPARE(m_form->listname, m_newList);
    QVERIFY(!m_form->saved);
    QCOMPARE(m_form->windowTitle(), AppTexts::startupCaption());
    QVERIFY(m_fake->messageBoxes->shown.isEmpty());
}

void tst_DocumentCommands::saveRefused_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("badPath");
    QTest::addColumn<QString>("messagePart");
    QTest::newRow("missing folder") << "nofolder/list.m3u" << QString() << "无法写入文件";
    QTest::newRow("unknown extension") << "list.txt" << QString() << ".pls、.m3u、.ram 或 .asx";
    QTest::newRow("no extension") << "list" << QString() << ".pls、.m3u、.ram 或 .asx";
    QTest::newRow("line break") << "list.pls"
                                << "/m/a\nb.mp3"
                                << "换行符";
}

void tst_DocumentCommands::saveRefused() {
    QFETCH(QString, target);
    QFETCH(QString, badPath);
    QFETCH(QString, messagePart);
    if (!badPath.isEmpty()) {
        PlaylistEntry entry;
        entry.path = badPath;
        m_form->model().insertEntry(0, entry);
    }
    const Files before = files();
    m_fake->fileDialog->saveAnswers = {path(target)};
    trigger("munfilesave");

    QCOMPARE(m_fake->messageBoxes->shown.size(), 1);
    const ShownMessage message = m_fake->messageBoxes->shown.first();
    QVERIFY2(message.text.contains(path(target)), qPrintable(message.text));
    QVERIFY2(message.text.contains(messagePart), qPrintable(message.text));
    QCOMPARE(message.title, QStringLiteral("Vantrel"));
    QVERIFY(!message.question);
    QCOMPARE(files(), before);
    QCOMPARE(m_form->listname, m_newList);
    QVERIFY(!m_form->saved);
    QCOMPARE(m_form->windowTitle(), AppTexts::startupCaption());
}

void tst_DocumentCommands::saveAsKeepsTheDocumentState() {
    m_fake->fileDialog->saveAnswers = {QString(), path(QStringLiteral("copy.pls"))};
    trigger("munfilesaveas");
    trigger("munfilesaveas");
    QCOMPARE(m_fake->fileDialog->saveRequests.size(), 2);
    for (const FileDialogRequest &request : std::as_const(m_fake->fileDialog->saveRequests)) {
        QCOMPARE(request.fileName, QString());
        QCOMPARE(request.flags, 2);
    }
    QCOMPARE(files().value(QStringLiteral("copy.pls")),
             "[playlist]\r\nFile1=" + path(QStringLiteral("a.mp3")).toUtf8() + "\r\nFile2=" +
                 path(QStringLiteral("b.mp3")).toUtf8() + "\r\nNumberOfEntries=2\r\nVersion=2\r\n");
    QCOMPARE(files().size(), 4);
    QCOMPARE(m_form->listname, m_newList);
    QVERIFY(!m_form->saved);
    QCOMPARE(m_form->windowTitle(), AppTexts::startupCaption());

    // After a Save, Save As leaves the saved list attached to its own file.
    m_fake->fileDialog->saveAnswers = {path(QStringLiteral("own.ram")),
                                       path(QStringLiteral("other.ram"))};
    trigger("munfilesave");
    trigger("munfilesaveas");
    QCOMPARE(files().value(QStringLiteral("other.ram")), files().value(QStringLiteral("own.ram")));
    QCOMPARE(m_form->listname, path(QStringLiteral("own.ram")));
    QVERIFY(m_form->saved);
    QCOMPARE(m_form->windowTitle(), AppTexts::documentCaption(path(QStringLiteral("own.ram"))));
}

void tst_DocumentCommands::discardingTheList_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("state"); // "saved", "named", "unnamed", "lost folder"
    QTest::addColumn<int>("answer");    // -1: no question
    QTest::addColumn<QStringList>("dialogAnswers");
    QTest::addColumn<QString>("written");
    QTest::addColumn<bool>("goesOn");

    const int yes = int(MessageAnswer::Yes);
    for (const char *command : {"munfilenew", "munfileexit", "close box"}) {
        const auto row = [command](const char *name) -> QTestData & {
            return QTest::addRow("%s: %s", command, name) << QString::fromLatin1(command);
        };
        row("saved, no question") << "saved" << -1 << QStringList() << QString() << true;
        row("no") << "named" << int(MessageAnswer::No) << QStringList() << QString() << true;
        row("cancel") << "named" << int(MessageAnswer::Cancel) << QStringList() << QString()
                      << false;
        row("yes, named") << "named" << yes << QStringList() << "own.m3u" << true;
        row("yes, file chosen") << "unnamed" << yes << QStringList{QStringLiteral("new.m3u")}
                                << "new.m3u" << true;
        row("yes, dialog cancelled")
            << "unnamed" << yes << QStringList{QString()} << QString() << true;
        row("yes, name unchanged")
            << "unnamed" << yes << QStringList{m_newList} << QString() << true;
        row("yes, refused write") << "unnamed" << yes << QStringList{QStringLiteral("new.txt")}
                                  << QString() << false;
        row("yes, failed write") << "lost folder" << yes << QStringList() << QString() << false;
    }
}

void tst_DocumentCommands::discardingTheList() {
    QFETCH(QString, command);
    QFETCH(QString, state);
    QFETCH(int, answer);
    QFETCH(QStringList, dialogAnswers);
    QFETCH(QString, written);
    QFETCH(bool, goesOn);

    // The list's own file is in a subfolder, which "lost folder" removes before the command.
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("lists")));
    if (state != QLatin1String("unnamed")) {
        m_fake->fileDialog->saveAnswers = {path(QStringLiteral("lists/own.m3u"))};
        trigger("munfilesave");
        QVERIFY(m_form->saved);
    }
    if (state != QLatin1String("saved")) {
        addRow(QStringLiteral("c.mp3"));
        m_form->saved = false;
    }
    if (state == QLatin1String("lost folder"))
        QVERIFY(QDir(path(QStringLiteral("lists"))).removeRecursively());

    QWidget other;
    other.show();
    const QString listname = m_form->listname;
    const QString caption = m_form->windowTitle();
    const int rows = m_form->model().rowCount();
    const Files before = files();
    if (answer >= 0)
        m_fake->messageBoxes->answers = {MessageAnswer(answer)};
    for (const QString &dialogAnswer : std::as_const(dialogAnswers))
        m_fake->fileDialog->saveAnswers.push_back(
            dialogAnswer.isEmpty() || dialogAnswer == m_newList ? dialogAnswer
                                                                : path(dialogAnswer));
    m_fake->fileDialog->saveRequests.clear();
    m_fake->messageBoxes->shown.clear();

    if (command == QLatin1String("close box"))
        m_form->close();
    else
        trigger(command.toLatin1().constData());

    const QList<ShownMessage> &shown = m_fake->messageBoxes->shown;
    QCOMPARE(shown.isEmpty(), answer < 0);
    if (answer >= 0) {
        QCOMPARE(shown.first().text, QStringLiteral("列表文件没有保存，是否保存它？"));
        QCOMPARE(shown.first().title, QStringLiteral("Vantrel"));
        QCOMPARE(shown.first().icon, MessageIcon::Question);
        QVERIFY(shown.first().question);
    }
    // A refused or failed write is reported, and the list stays.
    QCOMPARE(shown.size(), answer == int(MessageAnswer::Yes) && !goesOn ? 2 : answer >= 0 ? 1 : 0);
    QCOMPARE(m_fake->fileDialog->saveRequests.size(), dialogAnswers.size());
    if (!dialogAnswers.isEmpty())
        QCOMPARE(m_fake->fileDialog->saveRequests.first().fileName, m_newList);

    Files expected = before;
    if (!written.isEmpty())
        expected[written] =
            m3uOf({QStringLiteral("a.mp3"), QStringLiteral("b.mp3"), QStringLiteral("c.mp3")});
    if (written == QLatin1String("own.m3u")) {
        QCOMPARE(QFile(path(QStringLiteral("lists/own.m3u"))).size(), expected[written].size());
        expected.remove(written);
    }
    QCOMPARE(files(), expected);

    const bool isNew = command == QLatin1String("munfilenew");
    QCOMPARE(m_form->isVisible(), isNew || !goesOn);
    QCOMPARE(other.isVisible(), isNew || !goesOn);
    if (isNew && goesOn) {
        QCOMPARE(m_form->model().rowCount(), 0);
        QCOMPARE(m_form->listname, m_newList);
        QCOMPARE(m_form->windowTitle(), QStringLiteral("VantrelV 1.0 --- 新列表"));
        QCOMPARE(countText(), QStringLiteral("共有0个节目文件！"));
        QVERIFY(!m_form->muneditdelete->isEnabled());
        QVERIFY(!m_form->muneditgoon->isEnabled());
        QVERIFY(!m_form->muneditgodown->isEnabled());
        QVERIFY(!m_form->saved);
    } else if (!goesOn) {
        QCOMPARE(m_form->model().rowCount(), rows);
        QCOMPARE(m_form->listname, listname);
        QCOMPARE(m_form->windowTitle(), caption);
        QVERIFY(!m_form->saved);
    }
}

QTEST_MAIN(tst_DocumentCommands)
#include "tst_documentcommands.moc"
