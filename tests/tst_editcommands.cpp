#include "media/form1.h"
#include "playlistwindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The table before an edit: rows x1 to xN, the listed ones (1-based) checked, and the current
// row (0: none).
struct Start {
    int rows;
    QList<int> checked;
    int current;
    // More rows selected beside the current one, as Shift and Ctrl select them.
    QList<int> alsoSelected = {};
};

// How an edit reaches the window: menu items in turn, Add of two files, a drop of a folder in
// front of the first row, a search of that folder, a drag of a row, two clicks on the first
// header, or the space key in the type column of the current row.
enum Kind { Menu, Add, Drop, Search, Drag, Sort, SpaceKey };
struct Edit {
    Kind kind;
    QStringList items{};
    // Drag: the row dragged (-1: the selection), and the row dropped on (-1: below the rows), in
    // its lower half.
    int from = 0, onto = 0;
    bool lower = false;
};

void make(PlaylistWindow &w, const Edit &edit) {
    if (edit.kind == Menu) {
        for (const QString &item : edit.items)
            w.item(qPrintable("munedit" + item))->trigger();
    } else if (edit.kind == Add) {
        w.add({w.dir.filePath("loose.mp3"), w.dir.filePath("notes.txt")});
    } else if (edit.kind == Drop) {
        w.dropFiles({"album/sub"}, 0);
    } else if (edit.kind == Search) {
        Form1 *search = Form1::openFor(w.form);
        search->Text1->setText(w.dir.filePath("album/sub"));
        search->Combo1->setEditText("*");
        search->Command1->click();
        search->close();
    } else if (edit.kind == Drag && edit.from < 0) {
        const std::unique_ptr<QMimeData> data(
            w.form.model().mimeData(w.form.ListView1->selectionModel()->selectedRows()));
        w.drop(data.get(), w.rowPoint(edit.onto, edit.lower));
    } else if (edit.kind == Drag) {
        w.dragRow(edit.from, w.rowPoint(edit.onto, edit.lower));
    } else if (edit.kind == Sort) { // ascending finds them in order already: no step
        w.clickHeader(0);
        w.clickHeader(0);
    } else {
        w.form.ListView1->selectionModel()->setCurrentIndex(
            w.form.model().index(w.form.currentRow(), 3), QItemSelectionModel::NoUpdate);
        QTest::keyClick(w.form.ListView1, Qt::Key_Space);
    }
}

// Every column sorts these rows differently; the created texts run against the times. A missing
// file has no size, type or time.
std::vector<PlaylistEntry> unsortedRows() {
    std::vector<PlaylistEntry> rows{
        {"Song 10.mp3", "30", "/b/Song 10.mp3", "MP3 音频", "1"},
        {"a.mp3", "5", "/d/a.mp3", "AAC 音频", "4"},
        {"song 2.mp3", "1000", "/a/song 2.mp3", "Ogg 音频", "3", true},
        {"Song 1.mp3", "200", "/c/Song 1.mp3", "FLAC 音频", "2"},
        {"gone.mp3", {}, "/e/gone.mp3", {}, {}, false, PlaylistEntry::Kind::Missing}};
    const QDate days[] = {{2024, 3, 1}, {2022, 1, 1}, {2023, 5, 1}, {2024, 1, 1}};
    for (size_t row = 0; row < std::size(days); ++row)
        rows[row].createdTime = QDateTime(days[row], {9, 0});
    return rows;
}

// A filter of "A" shows a1, a3 and a5 and hides b2, b4 and b6. The rows 2 and 1 name one path,
// as 3, 4 and 5 name one missing file; 1 and 2 are checked.
std::vector<PlaylistEntry> filteredRows() {
    const auto gone = PlaylistEntry::Kind::Missing;
    return {{"a1", {}, "/p/1", {}, {}, true},        {"b2", {}, "/p/1", {}, {}, true},
            {"a3", {}, "/p/3", {}, {}, false, gone}, {"b4", {}, "/p/3", {}, {}, false, gone},
            {"a5", {}, "/p/3", {}, {}, false, gone}, {"b6", {}, "/p/6", {}, {}}};
}

QStringList shownNames(const PlaylistWindow &w) {
    QStringList names;
    for (int row = 0; row < w.form.model().rowCount(); ++row) {
        if (!w.form.ListView1->isRowHidden(row, {}))
            names << w.form.model().entry(row).name;
    }
    return names;
}

} // namespace

class EditCommandsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void edits_data() {
        QTest::addColumn<Start>("start");
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<QStringList>("checkedAfter");
        QTest::addColumn<QString>("currentAfter");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("edited");
        const auto row = [](const char *name, const Start &start, const Edit &edit,
                            const QStringList &order, const QStringList &checkedAfter,
                            const QString &currentAfter, bool saved, bool edited) {
            QTest::newRow(name) << start << edit << order << checkedAfter << currentAfter << saved
                                << edited;
        };
        // The row commands clear `saved` even when they change nothing; the check marks leave it.
        row("delete, none checked", {3, {}, 2}, {Menu, {"delete"}}, {"x1", "x2", "x3"}, {}, "x2",
            false, false);
        row("delete bottom up, then move with nothing current", {10, {1, 3, 4, 7, 8, 10}, 0},
            {Menu, {"delete", "goon", "godown"}}, {"x2", "x5", "x6", "x9"}, {}, "", false, true);
        row("delete all, then the check marks", {3, {1, 2, 3}, 2},
            {Menu, {"delete", "selectall", "selectunall", "selectclear"}}, {}, {}, "", false, true);
        row("delete, current stays", {5, {1, 2}, 4}, {Menu, {"delete"}}, {"x3", "x4", "x5"}, {},
            "x4", false, true);
        row("delete current, next takes its place", {5, {2, 3}, 2}, {Menu, {"delete"}},
            {"x1", "x4", "x5"}, {}, "x4", false, true);
        row("delete current last row", {5, {3, 4, 5}, 5}, {Menu, {"delete"}}, {"x1", "x2"}, {},
            "x2", false, true);
        // A check mark marks a file: it goes where the file goes.
        row("checked row up to the top", {3, {3}, 3}, {Menu, {"goon", "goon", "goon"}},
            {"x3", "x1", "x2"}, {"x3"}, "x3", false, true);
        row("row down past a checked one", {3, {2}, 1}, {Menu, {"godown", "godown", "godown"}},
            {"x2", "x3", "x1"}, {"x2"}, "x1", false, true);
        row("select all, invert", {3, {2}, 1}, {Menu, {"selectall", "selectunall"}},
            {"x1", "x2", "x3"}, {}, "x1", true, false);
        row("clear", {3, {1, 3}, 2}, {Menu, {"selectclear"}}, {"x1", "x2", "x3"}, {}, "x2", true,
            false);
        row("space in the type column", {3, {1, 3}, 2}, {SpaceKey}, {"x1", "x2", "x3"},
            {"x1", "x2", "x3"}, "x2", true, false);
        row("drag below the middle of a row", {4, {1}, 0}, {Drag, {}, 0, 2, true},
            {"x2", "x3", "x1", "x4"}, {"x1"}, "x1", false, true);
        row("drag above the middle of a row", {4, {1}, 0}, {Drag, {}, 3, 0, false},
            {"x4", "x1", "x2", "x3"}, {"x1"}, "x4", false, true);
        row("drag below the rows", {4, {1}, 0}, {Drag, {}, 1, -1}, {"x1", "x3", "x4", "x2"}, {"x1"},
            "x2", false, true);
        row("drag onto itself", {4, {1}, 0}, {Drag, {}, 1, 1, true}, {"x1", "x2", "x3", "x4"},
            {"x1"}, "", true, false);
        // Selected rows move as one block, marks and selection with them.
        row("a block up: a row at the top stays, the others pass one row", {6, {3}, 1, {3, 4, 6}},
            {Menu, {"goon"}}, {"x1", "x3", "x4", "x2", "x6", "x5"}, {"x3"}, "x1", false, true);
        row("a block down twice", {5, {}, 2, {3}}, {Menu, {"godown", "godown"}},
            {"x1", "x4", "x5", "x2", "x3"}, {}, "x2", false, true);
        row("to the top", {6, {5}, 5, {2}}, {Menu, {"gotop"}}, {"x2", "x5", "x1", "x3", "x4", "x6"},
            {"x5"}, "x5", false, true);
        row("to the bottom", {6, {}, 4, {1}}, {Menu, {"gobottom"}},
            {"x2", "x3", "x5", "x6", "x1", "x4"}, {}, "x4", false, true);
        row("a dragged block", {5, {2}, 1, {2}}, {Drag, {}, -1, 3, true},
            {"x3", "x4", "x1", "x2", "x5"}, {"x2"}, "x1", false, true);
        row("space toggles every selected row", {4, {1}, 1, {3}}, {SpaceKey},
            {"x1", "x2", "x3", "x4"}, {"x3"}, "x1", true, false);
        row("add", {3, {1, 3}, 2}, {Add}, {"x1", "x2", "x3", "notes.txt", "loose.mp3"},
            {"x1", "x3"}, "x2", false, true);
        row("drop", {3, {1, 3}, 2}, {Drop}, {"a.wav", "b.mp4", "x1", "x2", "x3"}, {"x1", "x3"},
            "x2", false, true);
        row("search", {3, {1, 3}, 2}, {Search}, {"x1", "x2", "x3", "a.wav", "b.mp4"}, {"x1", "x3"},
            "x2", false, true);
        row("sort", {3, {1, 3}, 2}, {Sort}, {"x3", "x2", "x1"}, {"x3", "x1"}, "x2", false, true);
    }

    // The edit leaves these rows; undo takes every step of it back and redo makes them again.
    // Only Save marks a list saved, and a step of check marks alone is no change for Open's
    // question.
    void edits() {
        QFETCH(Start, start);
        QFETCH(Edit, edit);
        PlaylistWindow w;
        w.load(start.rows, start.checked, start.current);
        for (const int row : start.alsoSelected)
            w.form.ListView1->selectionModel()->select(w.form.model().index(row - 1, 0),
                                                       QItemSelectionModel::Select |
                                                           QItemSelectionModel::Rows);
        QVERIFY(w.show());
        const QStringList before = w.names(), checkedBefore = w.names(true);
        make(w, edit);
        QTEST(w.names(), "order");
        QTEST(w.names(true), "checkedAfter");
        QTEST(w.current(), "currentAfter");
        QTEST(w.form.saved(), "saved");
        QTEST(w.form.edited(), "edited");
        const int count = w.form.model().rowCount();
        QCOMPARE(w.countText(), u"共有%1个节目文件！"_s.arg(count));
        for (const char *item : {"muneditdelete", "muneditgoon", "muneditgodown"})
            QCOMPARE(w.item(item)->isEnabled(), count > 0);

        // Undoing a change of the rows after a Save leaves the list unsaved again; undoing
        // check marks alone does not.
        QFETCH(bool, edited);
        const bool undoable = w.item("muneditundo")->isEnabled();
        w.form.listSaved(w.form.listname);
        for (int step = 0; step < 10 && w.item("muneditundo")->isEnabled(); ++step)
            w.item("muneditundo")->trigger();
        QVERIFY(!w.item("muneditundo")->isEnabled());
        QVERIFY(w.names() == before && w.names(true) == checkedBefore);
        QCOMPARE(w.countText(), u"共有%1个节目文件！"_s.arg(start.rows));
        QCOMPARE(w.form.saved(), !(undoable && edited));
        QCOMPARE(w.form.edited(), undoable && edited);
        w.form.listSaved(w.form.listname);
        for (int step = 0; step < 10 && w.item("muneditredo")->isEnabled(); ++step)
            w.item("muneditredo")->trigger();
        QVERIFY(!w.item("muneditredo")->isEnabled());
        QTEST(w.names(), "order");
        QTEST(w.names(true), "checkedAfter");
        QTEST(w.form.edited(), "edited");
    }

    // A file named by a link, by a path through a linked folder, by a hard link or twice by one
    // path is one file; missing files and streams are duplicates by their text alone.
    void removeDuplicates() {
        PlaylistWindow w;
        QVERIFY(QFile::link(w.dir.filePath("loose.mp3"), w.dir.filePath("link.mp3")));
        QVERIFY(QFile::link(w.dir.filePath("album"), w.dir.filePath("albumlink")));
        QVERIFY(::link(QFile::encodeName(w.dir.filePath("notes.txt")),
                       QFile::encodeName(w.dir.filePath("hard.txt"))) == 0);
        w.open(w.make("d.m3u", "loose.mp3\nalbum/cover.jpg\nlink.mp3\nnotes.txt\ngone.mp3\n"
                               "http://r.example/a\nalbumlink/cover.jpg\nhard.txt\ngone.mp3\n"
                               "http://r.example/a\nloose.mp3\n"));
        const QStringList all = w.names();
        w.fakes.messageBoxes->shown.clear();
        w.item("muneditremoveduplicates")->trigger();
        QCOMPARE(w.names(), QStringList({"loose.mp3", "cover.jpg", "notes.txt", "gone.mp3", "a"}));
        QVERIFY(!w.form.saved() && w.countText() == "共有5个节目文件！");
        w.item("muneditremoveduplicates")->trigger();
        QCOMPARE(w.messages(), QStringList({"删除了6个重复项。", "列表中没有重复项。"}));
        w.item("muneditundo")->trigger();
        QCOMPARE(w.names(), all);
    }

    // A shuffle puts the rows, or the selected ones among their places, in another order; one
    // undo takes it back.
    void shuffle_data() {
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QList<int>>("fixed");
        QTest::newRow("every row") << QList<int>{5} << "" << QList<int>{};
        QTest::newRow("the selected rows")
            << QList<int>{2, 5, 9, 13, 17, 20} << "" << QList<int>{1, 3, 4, 6, 7, 8, 10, 19};
        QTest::newRow("the rows shown: x1, x10 to x19")
            << QList<int>{5} << "X1" << QList<int>{2, 3, 4, 5, 6, 7, 8, 9, 20};
    }

    void shuffle() {
        QFETCH(QList<int>, selected);
        QFETCH(QList<int>, fixed);
        PlaylistWindow w;
        w.load(20, {7}, selected.first());
        for (const int row : selected)
            w.form.ListView1->selectionModel()->select(w.form.model().index(row - 1, 0),
                                                       QItemSelectionModel::Select |
                                                           QItemSelectionModel::Rows);
        QFETCH(QString, filter);
        w.form.findChild<QLineEdit *>("filterField")->setText(filter);
        const QStringList before = w.names();
        w.item("muneditshuffle")->trigger();
        const QStringList after = w.names();
        QVERIFY(after != before && !w.form.saved());
        QCOMPARE(QSet<QString>(after.cbegin(), after.cend()),
                 QSet<QString>(before.cbegin(), before.cend()));
        for (const int row : fixed)
            QCOMPARE(after[row - 1], before[row - 1]);
        QCOMPARE(w.names(true), QStringList{"x7"});
        w.item("muneditundo")->trigger();
        QCOMPARE(w.names(), before);
    }

    void filtered_data() {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<QStringList>("checkedAfter");
        const auto row = [](const char *name, const Edit &edit, const QStringList &order,
                            const QStringList &checkedAfter) {
            QTest::newRow(name) << edit << order << checkedAfter;
        };
        const QStringList all{"a1", "b2", "a3", "b4", "a5", "b6"};
        row("select all", {Menu, {"selectall"}}, all, {"a1", "b2", "a3", "a5"});
        row("invert", {Menu, {"selectunall"}}, all, {"b2", "a3", "a5"});
        row("clear", {Menu, {"selectclear"}}, all, {"b2"});
        row("delete", {Menu, {"delete"}}, {"b2", "a3", "b4", "a5", "b6"}, {"b2"});
        row("remove missing", {Menu, {"removemissing"}}, {"a1", "b2", "b4", "b6"}, {"a1", "b2"});
        row("remove duplicates", {Menu, {"removeduplicates"}}, {"a1", "b2", "a3", "b4", "b6"},
            {"a1", "b2"});
        row("sort, descending", {Sort}, {"a5", "b2", "a3", "b4", "a1", "b6"}, {"b2", "a1"});
    }

    // Ctrl+F and "A": every command acts on the rows shown alone, and moves are off; the count
    // message keeps the whole list, a panel beside it the rows shown. Undo takes the command
    // back under the filter; Esc shows every row again.
    void filtered() {
        QFETCH(Edit, edit);
        QFETCH(QStringList, order);
        PlaylistWindow w;
        w.load(filteredRows(), 2);
        QVERIFY(w.show());
        w.form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.form));
        auto *field = w.form.findChild<QLineEdit *>("filterField");
        QTest::keySequence(&w.form, QKeySequence(Qt::CTRL | Qt::Key_F));
        QVERIFY(field->hasFocus());
        QTest::keyClicks(field, "A");
        QCOMPARE(shownNames(w), QStringList({"a1", "a3", "a5"}));
        // The current row b2 is hidden: neither selected nor current any more.
        QVERIFY(w.current().isEmpty() && !w.form.ListView1->currentIndex().isValid());
        const QStringList moves{"muneditgoon", "muneditgodown", "muneditgotop", "muneditgobottom"};
        for (const QString &item : moves)
            QVERIFY(!w.item(qPrintable(item))->isEnabled());
        QVERIFY(w.form.findChild<QWidget *>("Image1_5")
                    ->testAttribute(Qt::WA_TransparentForMouseEvents));
        QVERIFY(!w.form.ListView1->dragEnabled());

        make(w, edit);
        QTEST(w.names(), "order");
        QTEST(w.names(true), "checkedAfter");
        const QStringList shown = order.filter("a");
        QCOMPARE(shownNames(w), shown);
        auto *panel = w.form.findChild<QLabel *>("shownPanel");
        QCOMPARE(panel->text(), u"显示%1个"_s.arg(shown.size()));
        QCOMPARE(w.countText(), u"共有%1个节目文件！"_s.arg(order.size()));

        w.item("muneditundo")->trigger();
        QCOMPARE(w.names(), QStringList({"a1", "b2", "a3", "b4", "a5", "b6"}));
        QCOMPARE(w.names(true), QStringList({"a1", "b2"}));
        QCOMPARE(shownNames(w), QStringList({"a1", "a3", "a5"}));
        QCOMPARE(panel->text(), u"显示3个"_s);

        QTest::keyClick(field, Qt::Key_Escape);
        QVERIFY(field->text().isEmpty() && panel->isHidden());
        QCOMPARE(shownNames(w), w.names());
        for (const QString &item : moves)
            QVERIFY(w.item(qPrintable(item))->isEnabled());
        QVERIFY(w.form.ListView1->dragEnabled());
    }

    // A row dragged from another window is no row of this table.
    void rowOfAnotherWindowIsNoDrop() {
        PlaylistWindow w, other;
        w.load(4);
        other.load(4);
        QVERIFY(w.show());
        const std::unique_ptr<QMimeData> foreign(
            other.form.model().mimeData({other.form.model().index(3, 0)}));
        QCOMPARE(w.drop(foreign.get(), w.rowPoint(0)), Qt::IgnoreAction);
        QCOMPARE(w.names(), QStringList({"x1", "x2", "x3", "x4"}));
    }

    void sortByHeader_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("ascending");
        const auto row = [](const char *name, int column, const QStringList &ascending) {
            QTest::newRow(name) << column << ascending;
        };
        row("names: natural, any case", 0,
            {"a.mp3", "gone.mp3", "Song 1.mp3", "song 2.mp3", "Song 10.mp3"});
        row("sizes by number, none first", 1,
            {"gone.mp3", "a.mp3", "Song 10.mp3", "Song 1.mp3", "song 2.mp3"});
        row("paths", 2, {"song 2.mp3", "Song 10.mp3", "Song 1.mp3", "a.mp3", "gone.mp3"});
        row("types, none first", 3,
            {"gone.mp3", "a.mp3", "Song 1.mp3", "Song 10.mp3", "song 2.mp3"});
        row("creation by time, none first", 4,
            {"gone.mp3", "a.mp3", "song 2.mp3", "Song 1.mp3", "Song 10.mp3"});
    }

    // A click sorts ascending, the next descending; the marks and the current row go with their
    // rows.
    void sortByHeader() {
        QFETCH(int, column);
        QFETCH(QStringList, ascending);
        PlaylistWindow w;
        w.load(unsortedRows(), 2);
        QVERIFY(w.show());
        w.clickHeader(column);
        QCOMPARE(w.names(), ascending);
        QVERIFY(!w.form.saved());
        QCOMPARE(w.names(true), QStringList{"song 2.mp3"});
        QCOMPARE(w.current(), "a.mp3");
        w.clickHeader(column);
        QCOMPARE(w.names(), QStringList(ascending.crbegin(), ascending.crend()));
        // Once the order has changed, a click sorts ascending again.
        w.item("muneditgodown")->trigger();
        w.clickHeader(column);
        QCOMPARE(w.names(), ascending);
        // Undo puts back the order before, which is no reversal of the sorted one.
        w.load(unsortedRows(), 2);
        w.clickHeader(column);
        w.item("muneditundo")->trigger();
        QCOMPARE(w.names(),
                 QStringList({"Song 10.mp3", "a.mp3", "song 2.mp3", "Song 1.mp3", "gone.mp3"}));
        w.item("muneditredo")->trigger();
        QCOMPARE(w.names(), ascending);
    }

    void toolbarButtons_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QStringList>("ran");
        const QStringList always{"munfilenew", "munfileopen", "munfilesave", "muneditadd"};
        QTest::newRow("empty table: the row commands' buttons take no click") << 0 << always;
        QTest::newRow("two rows") << 2
                                  << always + QStringList{"muneditdelete", "muneditgoon",
                                                          "muneditgodown"};
    }

    // A left click on a picture runs its command, any other click nothing. Dialogs and
    // questions that a button brings up are cancelled.
    void toolbarButtons() {
        QFETCH(int, rows);
        PlaylistWindow w;
        w.load(rows, {}, rows);
        w.form.rowsMayChange();
        QVERIFY(w.show());
        w.fakes.fileDialog->openAnswers.resize(2);
        w.fakes.fileDialog->saveAnswers.resize(1);
        w.fakes.messageBoxes->answers.push_back(MessageAnswer::Cancel);
        QStringList ran;
        for (QAction *action : w.form.findChildren<QAction *>())
            connect(action, &QAction::triggered, [&ran, action] { ran << action->objectName(); });
        for (int i = 0; i < 7; ++i) {
            QWidget *button = w.form.findChild<QWidget *>(u"Image1_%1"_s.arg(i));
            const QPoint at = button->mapTo(&w.form, button->rect().center());
            for (Qt::MouseButton mouse : {Qt::RightButton, Qt::MiddleButton, Qt::LeftButton})
                QTest::mouseClick(w.form.windowHandle(), mouse, {}, at);
        }
        QTEST(ran, "ran");
    }
};

QTEST_MAIN(EditCommandsTest)
#include "tst_editcommands.moc"
