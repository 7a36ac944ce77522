#include "app/lineshape.h"
#include "playlistwindow.h"

#include <QTest>

namespace {

enum Look { Flat, Raised, Pressed };

// Each frame's look, told by the colours of its four lines.
QList<int> looks(const frmmain &form) {
    const QColor face = form.palette().color(QPalette::Window);
    const QList<QList<QColor>> known{{face, face, face, face},
                                     {Qt::white, Qt::white, Qt::black, Qt::black},
                                     {Qt::black, Qt::black, Qt::white, Qt::white}};
    QList<int> result;
    for (int i = 0; i < 7; ++i) {
        QList<QColor> frame;
        for (int n = 1; n <= 4; ++n)
            frame << form.findChild<LineShape *>(u"Line%1_%2"_s.arg(n).arg(i))->color();
        result << int(known.indexOf(frame));
    }
    return result;
}

// Mouse steps over the client area: a move to a point, or a move or click over a button.
struct Step {
    QTest::MouseAction action;
    Qt::MouseButton button;
    QPoint at;
};
Step to(int x, int y) {
    return {QTest::MouseMove, Qt::NoButton, {x, y}};
}
Step over(int button, Qt::MouseButton mouse = Qt::NoButton) {
    return {mouse ? QTest::MouseClick : QTest::MouseMove, mouse, {610, 14 + 28 * button}};
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

} // namespace

class EditCommandsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void commands_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QList<int>>("checked");
        QTest::addColumn<int>("current");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<QStringList>("checkedAfter");
        QTest::addColumn<QString>("currentAfter");
        const auto row = [](const char *name, int rows, QList<int> checked, int current,
                            QStringList items, QStringList order, QStringList checkedAfter,
                            QString currentAfter) {
            for (QString &item : items)
                item.prepend("munedit");
            QTest::newRow(name) << rows << checked << current << items << order << checkedAfter
                                << currentAfter;
        };
        row("delete, none checked", 3, {}, 2, {"delete"}, {"x1", "x2", "x3"}, {}, "x2");
        row("delete bottom up, then move with nothing current", 10, {1, 3, 4, 7, 8, 10}, 0,
            {"delete", "goon", "godown"}, {"x2", "x5", "x6", "x9"}, {}, "");
        row("delete all, then the check marks", 3, {1, 2, 3}, 2,
            {"delete", "selectall", "selectunall", "selectclear"}, {}, {}, "");
        row("delete, current stays", 5, {1, 2}, 4, {"delete"}, {"x3", "x4", "x5"}, {}, "x4");
        row("delete current, next takes its place", 5, {2, 3}, 2, {"delete"}, {"x1", "x4", "x5"},
            {}, "x4");
        row("delete current last row", 5, {3, 4, 5}, 5, {"delete"}, {"x1", "x2"}, {}, "x2");
        row("one row, both edges", 1, {}, 1, {"goon", "godown"}, {"x1"}, {}, "x1");
        // A check mark marks a file: it goes where the file goes.
        row("checked row up to the top", 3, {3}, 3, {"goon", "goon", "goon"}, {"x3", "x1", "x2"},
            {"x3"}, "x3");
        row("row down past a checked one", 3, {2}, 1, {"godown", "godown", "godown"},
            {"x2", "x3", "x1"}, {"x2"}, "x1");
        row("select all, invert", 3, {2}, 1, {"selectall", "selectunall"}, {"x1", "x2", "x3"}, {},
            "x1");
    }

    void commands() {
        QFETCH(int, rows);
        QFETCH(QList<int>, checked);
        QFETCH(int, current);
        QFETCH(QStringList, items);
        PlaylistWindow w;
        w.load(rows, checked, current);
        for (const QString &item : std::as_const(items))
            w.form.findChild<QAction *>(item)->trigger();

        QTEST(w.names(), "order");
        QTEST(w.names(true), "checkedAfter");
        QTEST(w.current(), "currentAfter");
        // The row commands clear `saved` even when they change nothing; the check marks leave it.
        QCOMPARE(w.form.saved, items.first().startsWith("muneditselect"));
        const int count = w.form.model().rowCount();
        QCOMPARE(w.countText(), u"共有%1个节目文件！"_s.arg(count));
        for (const char *item : {"muneditdelete", "muneditgoon", "muneditgodown"})
            QCOMPARE(w.item(item)->isEnabled(), count > 0);
    }

    void dragWithinTable_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("onto");
        QTest::addColumn<bool>("lower");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("below the middle") << 0 << 2 << true << QStringList{"x2", "x3", "x1", "x4"};
        QTest::newRow("above the middle") << 3 << 0 << false << QStringList{"x4", "x1", "x2", "x3"};
        QTest::newRow("below the rows") << 1 << -1 << false << QStringList{"x1", "x3", "x4", "x2"};
        QTest::newRow("onto itself") << 1 << 1 << true << QStringList{"x1", "x2", "x3", "x4"};
    }

    void dragWithinTable() {
        QFETCH(int, from);
        QFETCH(int, onto);
        QFETCH(bool, lower);
        QFETCH(QStringList, order);
        PlaylistWindow w;
        w.load(4, {1});
        QVERIFY(w.show());
        QCOMPARE(w.dragRow(from, w.rowPoint(onto, lower)), Qt::MoveAction);
        QCOMPARE(w.names(), order);
        QCOMPARE(w.names(true), QStringList{"x1"});
        const bool moved = order != QStringList{"x1", "x2", "x3", "x4"};
        QCOMPARE(w.form.saved, !moved);
        QCOMPARE(w.current(), moved ? u"x%1"_s.arg(from + 1) : QString());

        // A row dragged from another window is no row of this table.
        PlaylistWindow other;
        other.load(4);
        const std::unique_ptr<QMimeData> foreign(
            other.form.model().mimeData({other.form.model().index(3, 0)}));
        QCOMPARE(w.drop(foreign.get(), w.rowPoint(0)), Qt::IgnoreAction);
        QCOMPARE(w.names(), order);
    }

    void sortByHeader_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("ascending");
        QTest::newRow("names: natural, any case")
            << 0 << QStringList{"a.mp3", "gone.mp3", "Song 1.mp3", "song 2.mp3", "Song 10.mp3"};
        QTest::newRow("sizes by number, none first")
            << 1 << QStringList{"gone.mp3", "a.mp3", "Song 10.mp3", "Song 1.mp3", "song 2.mp3"};
        QTest::newRow("paths") << 2
                               << QStringList{"song 2.mp3", "Song 10.mp3", "Song 1.mp3", "a.mp3",
                                              "gone.mp3"};
        QTest::newRow("types, none first")
            << 3 << QStringList{"gone.mp3", "a.mp3", "Song 1.mp3", "Song 10.mp3", "song 2.mp3"};
        QTest::newRow("creation by time, none first")
            << 4 << QStringList{"gone.mp3", "a.mp3", "song 2.mp3", "Song 1.mp3", "Song 10.mp3"};
    }

    void sortByHeader() {
        QFETCH(int, column);
        QFETCH(QStringList, ascending);
        PlaylistWindow w;
        w.load(unsortedRows(), 2);
        QVERIFY(w.show());
        const QStringList loaded = w.names();

        w.clickHeader(column);
        QCOMPARE(w.names(), ascending);
        QVERIFY(!w.form.saved);
        QCOMPARE(w.names(true), QStringList{"song 2.mp3"});
        QCOMPARE(w.current(), "a.mp3");
        w.clickHeader(column);
        QCOMPARE(w.names(), QStringList(ascending.crbegin(), ascending.crend()));
        w.item("muneditundo")->trigger();
        w.item("muneditundo")->trigger();
        QCOMPARE(w.names(), loaded);
        QCOMPARE(w.current(), "a.mp3");
        // Once the order has changed, a click sorts ascending again.
        w.item("muneditgodown")->trigger();
        w.clickHeader(column);
        QCOMPARE(w.names(), ascending);
    }

    void toolbarButtons() {
        PlaylistWindow w;
        const QStringList tips{"新建 (Ctrl+N)", "打开 (Ctrl+O)", "保存 (Ctrl+S)",  "加入",
                               "删除 (Del)",    "上移 (Alt+Up)", "下移 (Alt+Down)"};
        for (int i = 0; i < 7; ++i) {
            QWidget *button = w.form.findChild<QWidget *>(u"Image1_%1"_s.arg(i));
            QCOMPARE(button->accessibleName(), tips[i].left(2));
            QCOMPARE(button->toolTip(), tips[i]);
            const QImage drawn = button->grab().toImage();
            QVERIFY(drawn.pixel(10, 10) != drawn.pixel(0, 0));
        }
    }

    void toolbarMouse_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QList<Step>>("steps");
        QTest::addColumn<QList<int>>("looks");
        QTest::addColumn<QStringList>("ran");
        const auto row = [](const char *name, int rows, const QList<Step> &steps,
                            const QList<int> &looks, const QStringList &ran = {}) {
            QTest::newRow(name) << rows << steps << looks << ran;
        };
        const QList<int> flat(7, Flat);
        // Beside the column and between two buttons is background; the table and the status bar
        // are not, and a raised button stays raised while the mouse is on another.
        row("only the background flattens", 0,
            {over(0), to(594, 200), over(1), to(610, 28), over(2), to(610, 70), over(3),
             to(100, 100), to(50, 346)},
            {Flat, Flat, Raised, Raised, Flat, Flat, Flat});
        row("unavailable buttons", 0, {over(5), over(4, Qt::LeftButton), over(6, Qt::RightButton)},
            flat);
        row("presses of any button", 0,
            {over(1, Qt::MiddleButton), over(2, Qt::RightButton), to(611, 70)},
            {Flat, Pressed, Raised, Flat, Flat, Flat, Flat});
        row("each button's command", 2,
            {over(0, Qt::LeftButton), over(1, Qt::LeftButton), over(2, Qt::LeftButton),
             over(3, Qt::LeftButton), over(6, Qt::LeftButton), over(5, Qt::LeftButton),
             over(4, Qt::LeftButton)},
            QList<int>(7, Pressed),
            {"munfilenew", "munfileopen", "munfilesave", "muneditadd", "muneditgodown",
             "muneditgoon", "muneditdelete"});
    }

    // Dialogs and questions that a button brings up are cancelled.
    void toolbarMouse() {
        QFETCH(int, rows);
        QFETCH(QList<Step>, steps);
        PlaylistWindow w;
        w.load(rows, {}, rows);
        w.form.saved = false;
        QVERIFY(w.show());
        w.fakes.fileDialog->openAnswers.resize(2);
        w.fakes.fileDialog->saveAnswers.resize(1);
        w.fakes.messageBoxes->answers.push_back(MessageAnswer::Cancel);
        QStringList ran;
        for (QAction *action : w.form.findChildren<QAction *>())
            connect(action, &QAction::triggered, [&ran, action] { ran << action->objectName(); });
        const QImage picture = w.form.findChild<QWidget *>("Image1_5")->grab().toImage();

        for (const Step &step : steps)
            QTest::mouseEvent(step.action, w.form.windowHandle(), step.button, {},
                              w.form.centralWidget()->mapTo(&w.form, step.at));
        QTEST(looks(w.form), "looks");
        QTEST(ran, "ran");
        // Whether its button takes the mouse or not, a picture is drawn the same.
        QCOMPARE(w.form.findChild<QWidget *>("Image1_5")->grab().toImage(), picture);
    }
};

QTEST_MAIN(EditCommandsTest)
#include "tst_editcommands.moc"
