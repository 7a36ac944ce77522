#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "fakeplatform.h"
#include "media/filequery.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QDirIterator>
#include <QLabel>
#include <QTemporaryDir>

const QString NewList = QStringLiteral("新列表");
const QString Filter =
    QStringLiteral("Pls文件(*.pls)|*.pls|M3u文件(*.m3u)|*.m3u|Ram文件(*.ram)|*.ram");
const QString Closed = QStringLiteral("closed");
const QString Question = QStringLiteral("列表文件没有保存，是否保存它？");

// A File command given to a prepared document, with the user's answers.
struct Command {
    QString command;    // the menu item, or "close box"
    QString setup;      // see prepare()
    int answer;         // to the question; -1: no question
    QStringList dialog; // the file dialog's answers (Open: the one selection)
    QString written{};  // the file that gets the table as M3U
    QString after{};    // the state after; empty: unchanged
    QString message{};  // shown after the question
    MessageIcon icon = MessageIcon::Warning;
};

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

    // "unnamed" as init leaves it; "saved" into own.m3u; "named": saved, then changed.
    void prepare(const QString &setup) {
        if (setup == QLatin1String("unnamed"))
            return;
        m_fake->fileDialog->saveAnswers = {path(QStringLiteral("own.m3u"))};
        trigger("munfilesave");
        m_fake->fileDialog->saveRequests.clear();
        if (setup == QLatin1String("named")) {
            addRow(QStringLiteral("c.mp3"));
            m_form->saved = false;
        }
    }

    // The document as the user sees it, paths relative to the test's folder.
    QString state() const {
        QStringList parts;
        for (int row = 0; row < m_form->model().rowCount(); ++row)
            parts << m_form->model().entry(row).path;
        parts = QStringList{parts.join(u' '), m_form->listname, m_form->windowTitle()};
        parts << m_form->findChild<QLabel *>(QStringLiteral("countPanel"))->text()
              << QString::number(m_form->insertpos)
              << (m_form->muneditdelete->isEnabled() ? "delete on" : "delete off")
              << (m_form->saved ? "saved" : "unsaved");
        return parts.join(QStringLiteral(" | ")).remove(m_dir->path() + u'/');
    }

    QMap<QString, QByteArray> files() const {
        QMap<QString, QByteArray> result;
        QDirIterator it(m_dir->path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            result[file.fileName()] = file.open(QIODevice::ReadOnly) ? file.readAll() : "?";
        }
        return result;
    }

private Q_SLOTS:
    void init() {
        m_form.reset(); // before the platform and the folder it uses
        m_dir = std::make_unique<QTemporaryDir>();
        // Media files, and lists for Open: old.pls is no PLS file.
        for (const char *name :
             {"a.mp3", "b.mp3", "c.mp3", "歌.mp3", "old.txt", "old.pls", "l.asx"})
            write(QString::fromUtf8(name), "old");
        write(QStringLiteral("l.m3u"), "#EXTM3U\na.mp3\n歌.mp3\na.mp3\n");
        write(QStringLiteral("none.pls"), "[playlist]\r\nFile1=a.mp3\r\n");
        write(QStringLiteral("missing.m3u"), "a.mp3\r\nnone.mp3\r\n");
        m_fake = std::make_unique<FakePlatform>();
        m_form = std::make_unique<frmmain>(m_fake->platform);
        new QAbstractItemModelTester(&m_form->model(), m_form.get());
        m_form->show();
        addRow(QStringLiteral("a.mp3"));
        addRow(QStringLiteral("b.mp3"));
    }

    void document_data();
    void document();
};

void tst_PlaylistCommands::document_data() {
    QTest::addColumn<Command>("c");
    const auto row = [](const QString &name, const Command &c) {
        QTest::newRow(qPrintable(name)) << c;
    };

    const QString open = "munfileopen", save = "munfilesave", saveAs = "munfilesaveas";
    const QString loaded = "a.mp3 歌.mp3 a.mp3 | l.m3u | VantrelV 1.0 --- l.m3u | "
                           "共有3个节目文件！ | 4 | delete on | unsaved";
    const QString empty =
        " | none.pls | VantrelV 1.0 --- none.pls | 共有0个节目文件！ | 1 | delete off | unsaved";
    const QString kept = "a.mp3 b.mp3 | own.m3u | VantrelV 1.0 --- own.m3u | "
                         "共有2个节目文件！ | 0 | delete on | unsaved";
    row("open", {open, "saved", -1, {"l.m3u"}, {}, loaded});
    row("open, pls without entries", {open, "saved", -1, {"none.pls"}, {}, empty});
    row("open cancelled", {open, "saved", -1, {}, {}, kept});
    row("open, missing media file", {open, "saved", -1, {"missing.m3u"}, {}, kept, "none.mp3"});
    row("open, not a pls",
        {open, "saved", -1, {"old.pls"}, {}, kept, "此文件不是有效的PLS文件！", MessageIcon::None});
    row("open, asx is not read", {open, "saved", -1, {"l.asx"}, {}, kept});
    row("open, several files", {open, "saved", -1, {"l.m3u", "a.mp3"}, {}, kept, "一个"});
    row("open, selection too long",
        {open, "saved", -1, {QString(300, u'x') + ".m3u"}, {}, kept, "太长"});

    const QString saved = "a.mp3 b.mp3 | list.m3u | VantrelV 1.0 --- list.m3u | 共有2个节目文件！ "
                          "| 0 | delete on | saved";
    const QString savedOwn = "a.mp3 b.mp3 c.mp3 | own.m3u | VantrelV 1.0 --- own.m3u | "
                             "共有3个节目文件！ | 0 | delete on | saved";
    row("save", {save, "unnamed", -1, {"list.m3u"}, "list.m3u", saved});
    row("save cancelled", {save, "unnamed", -1, {""}});
    row("save, name unchanged", {save, "unnamed", -1, {NewList}});
    row("save, missing folder", {save, "unnamed", -1, {"none/l.m3u"}, {}, {}, "无法写入文件"});
    row("save, unknown extension", {save, "unnamed", -1, {"old.txt"}, {}, {}, ".pls、.m3u、"});
    row("save, named", {save, "named", -1, {}, "own.m3u", savedOwn});
    row("save as", {saveAs, "unnamed", -1, {"copy.m3u"}, "copy.m3u"});
    row("save as cancelled", {saveAs, "unnamed", -1, {""}});
    row("save as, named", {saveAs, "named", -1, {"copy.m3u"}, "copy.m3u"});

    const int yes = int(MessageAnswer::Yes);
    const QString fresh =
        " | 新列表 | VantrelV 1.0 --- 新列表 | 共有0个节目文件！ | 0 | delete off | unsaved";
    for (const QString command : {"munfilenew", "munfileexit", "close box"}) {
        const QString gone = command == "munfilenew" ? fresh : Closed;
        const QString name = command + QStringLiteral(": ");
        row(name + "saved", {command, "saved", -1, {}, {}, gone});
        row(name + "no", {command, "named", int(MessageAnswer::No), {}, {}, gone});
        row(name + "cancel", {command, "named", int(MessageAnswer::Cancel), {}});
        row(name + "yes, named", {command, "named", yes, {}, "own.m3u", gone});
        row(name + "yes, file chosen", {command, "unnamed", yes, {"new.m3u"}, "new.m3u", gone});
        row(name + "yes, dialog cancelled", {command, "unnamed", yes, {""}, {}, gone});
        row(name + "yes, name unchanged", {command, "unnamed", yes, {NewList}, {}, gone});
        row(name + "yes, refused write", {command, "unnamed", yes, {"new.txt"}, {}, {}, "无法"});
        row(name + "yes, failed write",
            {command, "unnamed", yes, {"none/new.m3u"}, {}, {}, "无法"});
    }
}

void tst_PlaylistCommands::document() {
    QFETCH(Command, c);
    prepare(c.setup);
    if (c.answer >= 0)
        m_fake->messageBoxes->answers = {MessageAnswer(c.answer)};
    const bool open = c.command == QLatin1String("munfileopen");
    QStringList answers;
    for (const QString &name : std::as_const(c.dialog))
        answers << path(name);
    m_fake->fileDialog->openAnswers = {answers};
    m_fake->fileDialog->saveAnswers.assign(answers.cbegin(), answers.cend());
    QByteArray m3u("#EXTM3U\r\n");
    for (int row = 0; row < m_form->model().rowCount(); ++row)
        m3u += m_form->model().entry(row).path.toUtf8() + "\r\n";
    QMap<QString, QByteArray> expected = files();
    if (!c.written.isEmpty())
        expected[path(c.written)] = m3u;
    const QString unchanged = state();
    if (c.command == QLatin1String("close box"))
        m_form->close();
    else
        trigger(c.command.toLatin1().constData());

    // The question first, then the message of the command, all under the program's title.
    const QList<ShownMessage> &shown = m_fake->messageBoxes->shown;
    QCOMPARE(shown.size(), int(c.answer >= 0) + int(!c.message.isEmpty()));
    for (const ShownMessage &message : shown) {
        const bool question = c.answer >= 0 && &message == &shown.first();
        QVERIFY2(message.text.contains(question ? Question : c.message), qPrintable(message.text));
        QCOMPARE(message.title, QStringLiteral("Vantrel"));
        QCOMPARE(message.icon, question ? MessageIcon::Question : c.icon);
    }
    QCOMPARE(m_fake->fileDialog->openRequests.size(), open ? 1 : 0);
    QCOMPARE(m_fake->fileDialog->saveRequests.size(), open ? 0 : c.dialog.size());
    // Open keeps the flags that the Save before it set.
    const bool preset = !open && c.command != QLatin1String("munfilesaveas");
    for (const FileDialogRequest &request :
         m_fake->fileDialog->openRequests + m_fake->fileDialog->saveRequests)
        QCOMPARE(request.fileName + u'|' + request.filter + u'|' + QString::number(request.flags),
                 (preset ? NewList : QString()) + u'|' + Filter + QStringLiteral("|2"));
    QCOMPARE(files(), expected);
    QCOMPARE(m_form->isVisible(), c.after != Closed);
    if (c.after != Closed)
        QCOMPARE(state(), c.after.isEmpty() ? unchanged : c.after);
}

QTEST_MAIN(tst_PlaylistCommands)
#include "tst_playlistcommands.moc"
