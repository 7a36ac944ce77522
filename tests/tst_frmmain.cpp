#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "fakeplatform.h"
#include "media/form1.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// The playlist window on fakes, over a folder of files: loose files, playlists, and an album
// with files of many types, hidden ones, a playlist, a name that is not UTF-8, a subfolder and
// a link to a folder elsewhere.
struct Window {
    QTemporaryDir dir;
    FakePlatform fakes;
    frmmain form{fakes.platform};
    QAbstractItemModelTester tester{&form.model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest};

    Window() {
        for (const char *name :
             {"loose.mp3", "notes.txt", "album/Track 10.mp3", "album/track 2.ogg",
              "album/Track 1.flac", "album/cover.jpg", "album/.hidden.mp3", "album/list.m3u",
              "album/sub/b.mp4", "album/sub/a.wav", "album/.cache/x.mp3", "elsewhere/z.mp3"})
            make(name);
        make("list.m3u", "loose.mp3\nalbum/Track 1.flac\n");
        make("bad.pls", "no header");
        QFile::link(dir.filePath("elsewhere"), dir.filePath("album/linked"));
        // Byte 0xE9 alone, as a Latin-1 system names "é".
        ::close(::open(QFile::encodeName(dir.filePath("album")) + "/\xe9.mp3", O_CREAT | O_WRONLY,
                       0644));
    }
    QString make(const QString &name, const QByteArray &bytes = "data") {
        QDir().mkpath(QFileInfo(dir.filePath(name)).path());
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot create the test file");
        return file.fileName();
    }
    // Rows x1 to xN that name no file, the listed ones checked, as Open loads them.
    void load(int rows, const QList<int> &checked = {}, int current = 0) {
        std::vector<PlaylistEntry> entries;
        for (int n = 1; n <= rows; ++n)
            entries.push_back(
                {u"x%1"_s.arg(n), {}, u"/nowhere/x%1"_s.arg(n), {}, {}, checked.contains(n)});
        form.model().replaceEntries(std::move(entries));
        if (current > 0)
            form.selectRow(current - 1);
        form.updaterowcommands();
        form.showcount();
        form.saved = true;
    }
    QStringList names(bool checkedOnly = false) const {
        QStringList result;
        for (int row = 0; row < form.model().rowCount(); ++row) {
            if (!checkedOnly || form.model().entry(row).checked)
                result << form.model().entry(row).name;
        }
        return result;
    }
    QAction *item(const char *name) const { return form.findChild<QAction *>(name); }
    QString countText() const { return form.findChild<QLabel *>("countPanel")->text(); }
    void add(const QStringList &picked) {
        fakes.fileDialog->openAnswers.push_back(picked);
        item("muneditadd")->trigger();
    }
    // Files from a file manager, dropped on the upper half of a row (-1: below the rows).
    Qt::DropAction drop(const QStringList &names, int onRow) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString &name : names)
            urls << QUrl::fromLocalFile(dir.filePath(name));
        data.setUrls(urls);
        QWidget *viewport = form.ListView1->viewport();
        const QPoint at = onRow < 0
                              ? QPoint(50, viewport->height() - 5)
                              : form.ListView1->visualRect(form.model().index(onRow, 0)).topLeft() +
                                    QPoint(20, 2);
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(viewport, &enter);
        QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(viewport, &drop);
        QCoreApplication::processEvents();
        return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
    }
};

} // namespace

class TestFrmmain : public QObject {
    Q_OBJECT

public:
    enum Edit {
        Add,
        Drop,
        Search,
        Delete,
        MoveUp,
        MoveDown,
        Drag,
        Sort,
        SelectAll,
        Invert,
        Clear,
        SpaceKey
    };
    Q_ENUM(Edit)

private Q_SLOTS:
    void startupState() {
        Window w;
        QCOMPARE(w.form.windowTitle(), "Vantrel V1.0 --- 新列表");
        QCOMPARE(w.form.listname, "新列表");
        QCOMPARE(w.form.insertpos, 0);
        QVERIFY(!w.form.saved);
        QCOMPARE(w.countText(), "共有0个节目文件！");
        for (const char *name :
             {"muneditdelete", "muneditgoon", "muneditgodown", "muneditundo", "muneditredo"})
            QVERIFY(!w.item(name)->isEnabled());

        const QStringList menus = {
            "文件=munfilenew:新建 munfileopen:打开 munfilesave:保存 munfilesaveas:另存为 q: "
            "munfileexit:退出",
            "编辑=muneditundo:撤销 muneditredo:重做 z: muneditadd:加入 muneditdelete:删除 w: "
            "muneditgoon:上移 muneditgodown:下移 e: muneditselectall:全选 muneditselectunall:反选 "
            "muneditselectclear:清除",
            "工具=muntoopfind:搜索本机",
            "帮助=munhelpzn:指南 munhelpfaq:FAQ yh: munhelpemail:给我发E_mail "
            "munhelpgoweb:访问我的网站 g: munhelpabut:关于"};
        QStringList shown;
        for (const QAction *menu : w.form.menuBar()->actions()) {
            QStringList items;
            for (const QAction *item : menu->menu()->actions())
                items << item->objectName() + ':' +
                             (item->isSeparator() ? QString() : item->text());
            shown << menu->text() + '=' + items.join(' ');
        }
        QCOMPARE(shown, menus);

        QTreeView *view = w.form.ListView1;
        QCOMPARE(view->geometry(), QRect(0, 0, 593, 337));
        QCOMPARE(view->selectionMode(), QAbstractItemView::SingleSelection);
        QStringList columns;
        for (int column = 0; column < PlaylistModel::ColumnCount; ++column) {
            const auto header = [&](int role) {
                return w.form.model().headerData(column, Qt::Horizontal, role);
            };
            const bool left = Qt::Alignment(header(Qt::TextAlignmentRole).toInt()) & Qt::AlignLeft;
            columns << QString("%1 %2 %3 %4")
                           .arg(header(PlaylistModel::ColumnKeyRole).toString(),
                                header(Qt::DisplayRole).toString())
                           .arg(view->header()->sectionSize(column))
                           .arg(left ? "left" : "centre");
        }
        QCOMPARE(columns, QStringList({"key1 文件名称 96 left", "key2 大小 93 centre",
                                       "key3 位置 203 centre", "key4 类型 96 centre",
                                       "key5 创建时间 96 centre"}));
        w.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.form));
        QCOMPARE(w.form.centralWidget()->size(), QSize(624, 357 - 21));
        QCOMPARE(w.form.sb->height(), 21);
    }

    void columnWidthsRemembered() {
        Window w;
        w.form.ListView1->header()->resizeSection(2, 321);
        frmmain next(w.fakes.platform);
        QCOMPARE(next.ListView1->header()->sectionSize(2), 321);
        QCOMPARE(next.ListView1->header()->sectionSize(4), 96);
        // Widths that could not have been stored give the widths of a first run.
        w.fakes.settings->values["table/columnWidths"] = QVariantList{0, 500, 500, 500, 500};
        frmmain third(w.fakes.platform);
        QCOMPARE(third.ListView1->header()->sectionSize(1), 93);
    }

    void addBuildsRowsInReverseOrder() {
        Window w;
        const QString first = w.make("歌 1.mp3", "12345");
        w.form.saved = true;
        w.add({first});
        const FileDialogRequest request = w.fakes.fileDialog->openRequests.last();
        QCOMPARE(request.fileName, QString());
        QCOMPARE(request.filter, "All Files(*.*)|*.*");
        QCOMPARE(request.flags, 512);
        const PlaylistEntry &row = w.form.model().entry(0);
        QCOMPARE(QStringList({row.name, row.size, row.path, row.type}),
                 QStringList({"歌 1.mp3", "5", first, "MP3 音频"}));
        QVERIFY(!row.created.isEmpty() && !row.checked && !w.form.saved);
        QVERIFY(w.item("muneditdelete")->isEnabled());

        // Every row of one run goes to the position after the rows the table held before it;
        // a path already listed is skipped, and only when it matches in case too.
        w.add({w.dir.filePath("loose.mp3"), w.make("Loose.mp3"), first, w.make("B b.MP3")});
        QCOMPARE(w.names(), QStringList({"歌 1.mp3", "B b.MP3", "Loose.mp3", "loose.mp3"}));
        QCOMPARE(w.form.insertpos, 2);
        QCOMPARE(w.countText(), "共有4个节目文件！");

        // Cancelled: only saved changes. A name without a file ends the run silently; the rows
        // before it stay, and the status follows the table.
        w.form.saved = true;
        w.add({});
        QVERIFY(!w.form.saved);
        w.add({w.dir.filePath("notes.txt"), w.dir.filePath("gone.mp3"), w.make("3.mp3")});
        QCOMPARE(w.names().last(), "notes.txt");
        QCOMPARE(w.countText(), "共有5个节目文件！");
        QVERIFY(w.fakes.messageBoxes->shown.isEmpty());
    }

    void addUpToTheRowBound_data() {
        QTest::addColumn<int>("spare");
        QTest::addColumn<bool>("oneListed");
        QTest::addColumn<int>("added");
        QTest::newRow("fits exactly") << 3 << false << 3;
        QTest::newRow("one too many: refused with a message") << 2 << false << 0;
        QTest::newRow("a listed file takes no room") << 2 << true << 2;
    }

    void addUpToTheRowBound() {
        QFETCH(int, spare);
        QFETCH(bool, oneListed);
        QFETCH(int, added);
        Window w;
        w.load(MaxRows - spare - (oneListed ? 1 : 0));
        const QStringList picked{w.make("1.mp3"), w.make("2.mp3"), w.dir.filePath("loose.mp3")};
        if (oneListed)
            w.add({picked[2]});
        w.add(picked);
        QCOMPARE(w.form.model().rowCount(), MaxRows - spare + added);
        QCOMPARE(w.fakes.messageBoxes->shown.size(), added == 0 ? 1 : 0);
        if (added == 0)
            QCOMPARE(w.fakes.messageBoxes->shown.first().text,
                     "文件名太多，请部分加入后，再加入！");

        // A full table ends the command before the dialog opens.
        w.load(MaxRows);
        w.item("muneditadd")->trigger();
        QVERIFY(w.fakes.fileDialog->openAnswers.empty() && !w.form.saved);
    }

    void addThousandFiles() {
        Window w;
        QStringList picked;
        for (int i = 0; i < 1000; ++i)
            picked << w.make(u"节目 %1.mp3"_s.arg(i));
        w.add(picked);
        QCOMPARE(w.form.model().rowCount(), 1000);
        QCOMPARE(w.form.model().entry(0).name, "节目 999.mp3");
        QVERIFY(w.fakes.messageBoxes->shown.isEmpty());
    }

    void drop_data() {
        QTest::addColumn<QStringList>("dropped");
        QTest::addColumn<int>("onRow");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("message");
        QTest::newRow("files in front of a row")
            << QStringList{"loose.mp3", "notes.txt"} << 1
            << QStringList{"x1", "loose.mp3", "notes.txt", "x2"} << "";
        QTest::newRow("a folder: its media, natural order, files before subfolders")
            << QStringList{"album"} << -1
            << QStringList{"x1",           "x2",    "Track 1.flac", "track 2.ogg",
                           "Track 10.mp3", "a.wav", "b.mp4"}
            << "";
        QTest::newRow("a playlist's entries; each file once")
            << QStringList{"list.m3u", "loose.mp3", "album/sub"} << 0
            << QStringList{"loose.mp3", "Track 1.flac", "a.wav", "b.mp4", "x1", "x2"} << "";
        QTest::newRow("a playlist that cannot be read")
            << QStringList{"bad.pls", "loose.mp3"} << -1 << QStringList{"x1", "x2", "loose.mp3"}
            << "此文件不是有效的PLS文件！";
    }

    void drop() {
        QFETCH(QStringList, dropped);
        QFETCH(int, onRow);
        QFETCH(QString, message);
        Window w;
        w.load(2);
        w.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.form));
        // Never a move: the file manager would delete the files.
        QCOMPARE(w.drop(dropped, onRow), Qt::CopyAction);
        QTEST(w.names(), "rows");
        QCOMPARE(w.countText(), u"共有%1个节目文件！"_s.arg(w.form.model().rowCount()));
        QVERIFY(!w.form.saved);
        QCOMPARE(w.fakes.messageBoxes->shown.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QCOMPARE(w.fakes.messageBoxes->shown.first().text, message);
    }

    void dropPastTheRowBound() {
        Window w;
        w.load(MaxRows - 4);
        w.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.form));
        w.drop({"album"}, -1);
        QCOMPARE(w.form.model().rowCount(), MaxRows - 4);
        QCOMPARE(w.fakes.messageBoxes->shown.size(), 1);
        QCOMPARE(w.fakes.messageBoxes->shown.first().text, "文件名太多，请部分加入后，再加入！");
        QVERIFY(w.form.saved);
    }

    void undoRedo_data() {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("checkedAfter");
        const QStringList all{"x1", "x2", "x3"}, ends{"x1", "x3"};
        QTest::newRow("add") << Add << QStringList{"x1", "x2", "x3", "notes.txt", "loose.mp3"}
                             << ends;
        QTest::newRow("drop") << Drop << QStringList{"a.wav", "b.mp4", "x1", "x2", "x3"} << ends;
        QTest::newRow("search") << Search << QStringList{"x1", "x2", "x3", "a.wav", "b.mp4"}
                                << ends;
        QTest::newRow("delete") << Delete << QStringList{"x2"} << QStringList{};
        QTest::newRow("move up") << MoveUp << QStringList{"x2", "x1", "x3"} << ends;
        QTest::newRow("move down") << MoveDown << QStringList{"x1", "x3", "x2"} << ends;
        QTest::newRow("drag") << Drag << QStringList{"x2", "x3", "x1"} << QStringList{"x3", "x1"};
        QTest::newRow("sort") << Sort << QStringList{"x3", "x2", "x1"} << QStringList{"x3", "x1"};
        QTest::newRow("select all") << SelectAll << all << all;
        QTest::newRow("invert") << Invert << all << QStringList{"x2"};
        QTest::newRow("clear") << Clear << all << QStringList{};
        QTest::newRow("space in the type column") << SpaceKey << all << all;
    }

    // x1 and x3 checked, x2 current, the list saved. Each edit is one step back and forth, and
    // only Save marks a list saved: undoing back to the saved rows leaves it unsaved.
    void undoRedo() {
        QFETCH(Edit, edit);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, checkedAfter);
        Window w;
        w.load(3, {1, 3}, 2);
        w.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.form));
        QHeaderView *header = w.form.ListView1->header();
        const char *items[] = {
            "muneditdelete",    "muneditgoon",        "muneditgodown",     "", "",
            "muneditselectall", "muneditselectunall", "muneditselectclear"};
        if (edit == Add) {
            w.add({w.dir.filePath("loose.mp3"), w.dir.filePath("notes.txt")});
        } else if (edit == Drop) {
            w.drop({"album/sub"}, 0);
        } else if (edit == Search) {
            Form1 *search = Form1::openFor(w.form);
            search->Text1->setText(w.dir.filePath("album/sub"));
            search->Combo1->setEditText("*");
            search->Command1->click();
            search->close();
            std::sort(rows.begin() + 3, rows.end());
        } else if (edit == Drag) {
            std::unique_ptr<QMimeData> data(w.form.model().mimeData({w.form.model().index(0, 0)}));
            const QPoint below =
                w.form.ListView1->visualRect(w.form.model().index(2, 0)).bottomLeft();
            QDragEnterEvent enter(below, Qt::MoveAction, data.get(), Qt::LeftButton, {});
            QCoreApplication::sendEvent(w.form.ListView1->viewport(), &enter);
            QDropEvent drop(below, Qt::MoveAction, data.get(), Qt::LeftButton, {});
            QCoreApplication::sendEvent(w.form.ListView1->viewport(), &drop);
        } else if (edit == Sort) { // ascending finds them in order already: no step
            for (int click = 0; click < 2; ++click)
                QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, {10, 5});
        } else if (edit == SpaceKey) {
            w.form.ListView1->setCurrentIndex(w.form.model().index(1, 3));
            QTest::keyClick(w.form.ListView1, Qt::Key_Space);
        } else {
            w.item(items[edit - Delete])->trigger();
        }
        const bool marksOnly = edit >= SelectAll;
        QStringList names = w.names();
        if (edit == Search) // the folder's own order
            std::sort(names.begin() + 3, names.end());
        QCOMPARE(names, rows);
        QCOMPARE(w.names(true), checkedAfter);
        QCOMPARE(w.form.saved, marksOnly);

        w.item("muneditundo")->trigger();
        QCOMPARE(w.names(), QStringList({"x1", "x2", "x3"}));
        QCOMPARE(w.names(true), QStringList({"x1", "x3"}));
        QCOMPARE(w.form.saved, marksOnly);
        QCOMPARE(w.countText(), "共有3个节目文件！");
        QVERIFY(!w.item("muneditundo")->isEnabled());
        w.item("muneditredo")->trigger();
        QCOMPARE(w.form.model().rowCount(), rows.size());
        QCOMPARE(w.names(true), checkedAfter);
        QVERIFY(!w.item("muneditredo")->isEnabled());
    }

    void shortcuts_data() {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("item");
        const auto row = [](QKeyCombination keys, const char *item) {
            QTest::newRow(item) << QKeySequence(keys) << QString(item);
        };
        row(Qt::CTRL | Qt::Key_N, "munfilenew");
        row(Qt::CTRL | Qt::Key_O, "munfileopen");
        row(Qt::CTRL | Qt::Key_S, "munfilesave");
        row(Qt::CTRL | Qt::SHIFT | Qt::Key_S, "munfilesaveas");
        row(Qt::CTRL | Qt::Key_Q, "munfileexit");
        row(Qt::CTRL | Qt::Key_Z, "muneditundo");
        row(Qt::CTRL | Qt::SHIFT | Qt::Key_Z, "muneditredo");
        row(Qt::Key_Delete, "muneditdelete");
        row(Qt::ALT | Qt::Key_Up, "muneditgoon");
        row(Qt::ALT | Qt::Key_Down, "muneditgodown");
        row(Qt::Key_F1, "munhelpzn");
    }

    void shortcuts() {
        QFETCH(QKeySequence, keys);
        Window w;
        w.load(2, {}, 2);
        w.item("muneditselectall")->trigger();
        w.item("muneditselectunall")->trigger();
        w.item("muneditundo")->trigger();
        w.fakes.fileDialog->openAnswers.push_back({});
        w.fakes.fileDialog->saveAnswers.push_back({});
        w.form.show();
        w.form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.form));
        QStringList ran;
        for (QAction *action : w.form.findChildren<QAction *>())
            connect(action, &QAction::triggered, [&ran, action] { ran << action->objectName(); });
        QTest::keySequence(&w.form, keys);
        QTEST(ran.join(' '), "item");
    }

    void closingEndsOwnerlessWindows() {
        Window w;
        w.form.show();
        QWidget ownerless;
        ownerless.show();
        w.form.saved = true;
        QVERIFY(w.form.close());
        QVERIFY(!ownerless.isVisible());
    }
};

QTEST_MAIN(TestFrmmain)
#include "tst_frmmain.moc"
