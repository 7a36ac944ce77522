#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "fakeplatform.h"
#include "media/filequery.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QDirIterator>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

using Files = QMap<QString, QByteArray>;
using Shown = QList<QPair<QString, MessageIcon>>;

const QString NewList = QStringLiteral("新列表");
const QString Filter =
    QStringLiteral("Pls文件(*.pls)|*.pls|M3u文件(*.m3u)|*.m3u|Ram文件(*.ram)|*.ram");
const QString Closed = QStringLiteral("closed");

class tst_PlaylistCommands : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakePlatform> m_fake;
    std::unique_ptr<frmmain> m_form;

    // A name relative to the test's folder; empty and "新列表" stay as they are.
    QString path(const QString &name) const {
        return name.isEmpty() || name == NewList ? name : m_dir->filePath(name);
    }
    void trigger(const char *name) { m_form->findChild<QAction *>(QLatin1String(name))->trigger(); }

    void write(const QString &name, const QByteArray &bytes) const {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    void addRow(const QString &name) {
        m_form->model().insertEntry(m_form->model().rowCount(), *FileQuery().entryFor(path(name)));
        m_form->updaterowcommands();
        m_form->showcount();
    }

    // "unnamed" as init leaves it; "saved" into lists/own.m3u; "named": saved, then changed;
    // "lost": named, and the folder of its file removed.
    void prepare(const QString &setup) {
        if (setup != QLatin1String("unnamed")) {
            QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("lists")));
            m_fake->fileDialog->saveAnswers = {path(QStringLiteral("lists/own.m3u"))};
            trigger("munfilesave");
        }
        if (setup == QLatin1String("named") || setup == QLatin1String("lost")) {
            addRow(QStringLiteral("c.mp3"));
            m_form->saved = false;
        }
        if (setup == QLatin1String("lost"))
            QVERIFY(QDir(path(QStringLiteral("lists"))).removeRecursively());
        m_fake->fileDialog->saveRequests.clear();
    }

    // The document as the user sees it, paths relative to the test's folder.
    QString state() const {
        QStringList rows;
        for (int row = 0; row < m_form->model().rowCount(); ++row)
            rows << m_form->model().entry(row).path;
        return QStringList{rows.join(u' '),
                           m_form->listname,
                           m_form->windowTitle(),
                           m_form->findChild<QLabel *>(QStringLiteral("countPanel"))->text(),
                           QString::number(m_form->insertpos),
                           m_form->muneditdelete->isEnabled() ? "delete on" : "delete off",
                           m_form->saved ? "saved" : "unsaved"}
            .join(QStringLiteral(" | "))
            .remove(m_dir->path() + u'/');
    }

    QByteArray tableAsM3u() const {
        QByteArray bytes("#EXTM3U\r\n");
        for (int row = 0; row < m_form->model().rowCount(); ++row)
            bytes += m_form->model().entry(row).path.toUtf8() + "\r\n";
        return bytes;
    }

    Files files() const {
        Files result;
        QDirIterator it(m_dir->path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            result[file.fileName()] = file.open(QIODevice::ReadOnly) ? file.readAll() : "?";
        }
        return result;
    }

    // Exactly these messages were shown, each as a part of its text and its icon.
    void checkShown(const Shown &expected) const {
        const QList<ShownMessage> &shown = m_fake->messageBoxes->shown;
        QCOMPARE(shown.size(), expected.size());
        for (qsizetype i = 0; i < shown.size(); ++i) {
            QVERIFY2(shown[i].text.contains(expected[i].first), qPrintable(shown[i].text));
            QCOMPARE(shown[i].title, QStringLiteral("Vantrel"));
            QCOMPARE(shown[i].icon, expected[i].second);
        }
    }

private Q_SLOTS:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        for (const char *name : {"a.mp3", "b.mp3", "c.mp3", "歌.mp3", "old.txt"})
            write(QString::fromUtf8(name), "old");
        m_fake = std::make_unique<FakePlatform>();
        m_form = std::make_unique<frmmain>(m_fake->platform);
        new QAbstractItemModelTester(&m_form->model(), m_form.get());
        m_form->show();
        addRow(QStringLiteral("a.mp3"));
        addRow(QStringLiteral("b.mp3"));
    }

    void cleanup() {
        m_form.reset();
        m_fake.reset();
        m_dir.reset();
    }

    void open_data();
    void open();
    void document_data();
    void document();
};

void tst_PlaylistCommands::open_data() {
    QTest::addColumn<QStringList>("chosen");
    QTest::addColumn<QByteArray>("bytes"); // "@" stands for the test's folder
    QTest::addColumn<QString>("loaded");   // the state after; empty: unchanged
    QTest::addColumn<QString>("message");
    QTest::addColumn<MessageIcon>("icon");
    const auto row = [](const char *name, const QStringList &chosen, const QByteArray &bytes,
                        const QString &loaded, const QString &message = {},
                        MessageIcon icon = MessageIcon::Warning) {
        QTest::newRow(name) << chosen << bytes << loaded << message << icon;
    };

    row("m3u", {"l.m3u"}, "#EXTM3U\n@/a.mp3\n歌.mp3\n@/a.mp3\n",
        "a.mp3 歌.mp3 a.mp3 | l.m3u | VantrelV 1.0 --- l.m3u | 共有3个节目文件！ | 4 | delete on "
        "| unsaved");
    row("pls without entries", {"l.pls"}, "[playlist]\r\nFile1=a.mp3\r\n",
        " | l.pls | VantrelV 1.0 --- l.pls | 共有0个节目文件！ | 1 | delete off | unsaved");
    row("cancelled", {}, {}, {});
    row("missing media file", {"l.m3u"}, "a.mp3\r\nnone.mp3\r\n", {}, "none.mp3");
    row("cannot be read", {"none.m3u"}, {}, {}, "none.m3u");
    row("not a pls", {"l.pls"}, " [playlist]\r\n", {}, "此文件不是有效的PLS文件！",
        MessageIcon::None);
    row("asx is not read", {"l.asx"}, "<Asx>", {});
    row("several files", {"l.m3u", "b.m3u"}, "a.mp3", {}, "一个");
    row("selection too long", {QString(300, u'x') + ".m3u"}, {}, {}, "太长");
}

void tst_PlaylistCommands::open() {
    QFETCH(QStringList, chosen);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, loaded);
    QFETCH(QString, message);
    QFETCH(MessageIcon, icon);
    if (!bytes.isNull())
        write(chosen.first(), bytes.replace('@', m_dir->path().toUtf8()));
    QStringList answer;
    for (const QString &name : std::as_const(chosen))
        answer << path(name);
    m_fake->fileDialog->openAnswers = {answer};
    m_form->cd.FileName = path(QStringLiteral("a.mp3"));
    const QString unchanged = state();
    m_form->saved = true; // Open leaves the list unsaved, whatever happens.
    trigger("munfileopen");

    QCOMPARE(m_fake->fileDialog->openRequests.size(), 1);
    QCOMPARE(m_fake->fileDialog->openRequests[0].fileName, QString());
    QCOMPARE(m_fake->fileDialog->openRequests[0].filter, Filter);
    QCOMPARE(state(), loaded.isEmpty() ? unchanged : loaded);
    checkShown(message.isEmpty() ? Shown() : Shown{{message, icon}});
}

void tst_PlaylistCommands::document_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<int>("answer");         // to the question; -1: no question
    QTest::addColumn<QStringList>("dialog"); // the save dialog's answers
    QTest::addColumn<QString>("written");    // the file that gets the table as M3U
    QTest::addColumn<QString>("after");      // the state after; empty: unchanged
    QTest::addColumn<QString>("message");    // besides the question
    const auto row = [](const QString &name, const QString &command, const char *setup, int answer,
                        const QStringList &dialog, const QString &written = {},
                        const QString &after = {}, const QString &message = {}) {
        QTest::newRow(qPrintable(name))
            << command << setup << answer << dialog << written << after << message;
    };

    const QString save = QStringLiteral("munfilesave"), saveAs = QStringLiteral("munfilesaveas");
    row("save", save, "unnamed", -1, {"list.m3u"}, "list.m3u",
        "a.mp3 b.mp3 | list.m3u | VantrelV 1.0 --- list.m3u | 共有2个节目文件！ | 0 | delete on | "
        "saved");
    row("save cancelled", save, "unnamed", -1, {""});
    row("save, name unchanged", save, "unnamed", -1, {NewList});
    row("save, missing folder", save, "unnamed", -1, {"none/l.m3u"}, {}, {}, "无法写入文件");
    row("save, unknown extension", save, "unnamed", -1, {"old.txt"}, {}, {}, ".pls、.m3u、");
    row("save, named", save, "named", -1, {}, "lists/own.m3u",
        "a.mp3 b.mp3 c.mp3 | lists/own.m3u | VantrelV 1.0 --- lists/own.m3u | 共有3个节目文件！ | "
        "0 "
        "| delete on | saved");
    row("save as", saveAs, "unnamed", -1, {"copy.m3u"}, "copy.m3u");
    row("save as cancelled", saveAs, "unnamed", -1, {""});
    row("save as, named", saveAs, "named", -1, {"copy.m3u"}, "copy.m3u");

    const int yes = int(MessageAnswer::Yes);
    for (const QString command : {"munfilenew", "munfileexit", "close box"}) {
        const QString gone = command != QLatin1String("munfilenew")
                                 ? Closed
                                 : " | 新列表 | VantrelV 1.0 --- 新列表 | 共有0个节目文件！ | 0 | "
                                   "delete off | unsaved";
        const QString failed = QStringLiteral("无法");
        const QString name = command + QStringLiteral(": ");
        row(name + "saved", command, "saved", -1, {}, {}, gone);
        row(name + "no", command, "named", int(MessageAnswer::No), {}, {}, gone);
        row(name + "cancel", command, "named", int(MessageAnswer::Cancel), {});
        row(name + "yes, named", command, "named", yes, {}, "lists/own.m3u", gone);
        row(name + "yes, file chosen", command, "unnamed", yes, {"new.m3u"}, "new.m3u", gone);
        row(name + "yes, dialog cancelled", command, "unnamed", yes, {""}, {}, gone);
        row(name + "yes, name unchanged", command, "unnamed", yes, {NewList}, {}, gone);
        row(name + "yes, refused write", command, "unnamed", yes, {"new.txt"}, {}, {}, failed);
        row(name + "yes, failed write", command, "lost", yes, {}, {}, {}, failed);
    }
}

void tst_PlaylistCommands::document() {
    QFETCH(QString, command);
    QFETCH(QString, setup);
    QFETCH(int, answer);
    QFETCH(QStringList, dialog);
    QFETCH(QString, written);
    QFETCH(QString, after);
    QFETCH(QString, message);
    prepare(setup);
    QWidget other;
    other.show();
    if (answer >= 0)
        m_fake->messageBoxes->answers = {MessageAnswer(answer)};
    for (const QString &name : std::as_const(dialog))
        m_fake->fileDialog->saveAnswers.push_back(path(name));
    Files expected = files();
    if (!written.isEmpty())
        expected[path(written)] = tableAsM3u();
    const QString unchanged = state();
    if (command == QLatin1String("close box"))
        m_form->close();
    else
        trigger(command.toLatin1().constData());

    Shown shown;
    if (answer >= 0)
        shown << qMakePair(QStringLiteral("列表文件没有保存，是否保存它？"), MessageIcon::Question);
    if (!message.isEmpty())
        shown << qMakePair(message, MessageIcon::Warning);
    checkShown(shown);
    const QList<FileDialogRequest> &requests = m_fake->fileDialog->saveRequests;
    QCOMPARE(requests.size(), dialog.size());
    for (const FileDialogRequest &request : requests) {
        QCOMPARE(request.fileName, command == QLatin1String("munfilesaveas") ? QString() : NewList);
        QCOMPARE(request.filter, Filter);
        QCOMPARE(request.flags, 2);
    }
    QCOMPARE(files(), expected);
    QCOMPARE(m_form->isVisible(), after != Closed);
    QCOMPARE(other.isVisible(), after != Closed);
    if (after != Closed)
        QCOMPARE(state(), after.isEmpty() ? unchanged : after);
}

QTEST_MAIN(tst_PlaylistCommands)
#include "tst_playlistcommands.moc"
