#include "app/frmmain.h"
#include "app/lineshape.h"
#include "app/playlistmodel.h"
#include "fakeplatform.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The window over fake services, its rows loaded as Open loads them (so the history starts
// empty), its model watched by the model tester.
struct Window {
    FakePlatform fakes;
    frmmain form{fakes.platform};
    QAbstractItemModelTester tester{&form.model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest};

    // Rows f1 to fN; the listed 1-based rows checked and row `current` selected (0: none).
    explicit Window(int rows, const QList<int> &checked = {}, int current = 0) {
        std::vector<PlaylistEntry> entries;
        for (int n = 1; n <= rows; ++n) {
            const QString name = u"f%1"_s.arg(n);
            entries.push_back({name, QString::number(n), "/m/" + name, u"MP3 音频"_s, u"2024/5/1"_s,
                               checked.contains(n)});
        }
        load(std::move(entries), current);
    }
    Window(std::vector<PlaylistEntry> entries, int current) { load(std::move(entries), current); }

    void load(std::vector<PlaylistEntry> entries, int current) {
        form.model().replaceEntries(std::move(entries));
        if (current > 0)
            form.selectRow(current - 1);
        form.updaterowcommands();
        form.showcount();
        form.saved = true;
    }
    void trigger(const QString &item) { form.findChild<QAction *>(item)->trigger(); }
    QStringList names(bool checkedOnly = false) const {
        QStringList result;
        for (int row = 0; row < form.model().rowCount(); ++row) {
            if (!checkedOnly || form.model().entry(row).checked)
                result << form.model().entry(row).name;
        }
        return result;
    }
    // The selected row's name; the view's current row must be the same one.
    QString current() const {
        const int row = form.currentRow();
        if (row >= 0 && form.ListView1->currentIndex().row() != row)
            return u"(view disagrees)"_s;
        return row < 0 ? QString() : form.model().entry(row).name;
    }
    // A drag over the table and a drop, as the window system delivers them; the action taken.
    Qt::DropAction drop(const QMimeData *data, QPoint at) {
        QWidget *viewport = form.ListView1->viewport();
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(viewport, &enter);
        QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(viewport, &move);
        QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(viewport, &drop);
        return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
    }
    void clickHeader(int column) {
        QHeaderView *header = form.ListView1->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          {header->sectionViewportPosition(column) + 10, 5});
    }
    QPoint rowPoint(int row, int dy) const {
        const QRect cell = form.ListView1->visualRect(form.model().index(row, 2));
        return cell.center() + QPoint(0, dy);
    }
};

enum Look { Flat, Raised, Pressed };

QList<int> looks(const frmmain &form) {
    QList<int> result;
    const QColor face = form.palette().color(QPalette::Window);
    const QList<QList<QColor>> known{{face, face, face, face},
                                     {Qt::white, Qt::white, Qt::black, Qt::black},
                                     {Qt::black, Qt::black, Qt::white, Qt::white}};
    for (int i = 0; i < 7; ++i) {
        QList<QColor> frame;
        for (int n = 1; n <= 4; ++n)
            frame << form.findChild<LineShape *>(u"Line%1_%2"_s.arg(n).arg(i))->color();
        result << int(known.indexOf(frame));
    }
    return result;
}

// A mouse step over the window's client area; a button given by its number stands for the
// middle of that button.
struct Step {
    QTest::MouseAction action;
    Qt::MouseButton button;
    QPoint at;
};
Step move(QPoint at) {
    return {QTest::MouseMove, Qt::NoButton, at};
}
Step over(int button, Qt::MouseButton mouse = Qt::NoButton) {
    return {mouse ? QTest::MouseClick : QTest::MouseMove, mouse, QPoint(610, 14 + 28 * button)};
}

struct MouseCase {
    const char *name;
    int rows;
    QList<Step> steps;
    QList<int> looks;
    QStringList ran;
};

const QList<MouseCase> mouseCases = {
    {"only the background flattens",
     0,
     {over(0), move({610, 24}), move({610, 32}), move({100, 100}), move({50, 346})},
     {Raised, Raised, Flat, Flat, Flat, Flat, Flat},
     {}},
    {"beside the column", 0, {over(0), move({594, 200})}, QList<int>(7, Flat), {}},
    {"between two buttons", 0, {over(0), move({610, 28})}, QList<int>(7, Flat), {}},
    {"unavailable buttons",
     0,
     {over(0), over(5), over(4, Qt::LeftButton), over(6, Qt::RightButton)},
     QList<int>(7, Flat),
     {}},
    {"presses of any button",
     0,
     {over(1, Qt::MiddleButton), over(2, Qt::RightButton), move({611, 70})},
     {Flat, Pressed, Raised, Flat, Flat, Flat, Flat},
     {}},
    {"each button's command",
     2,
     {over(0, Qt::LeftButton), over(1, Qt::LeftButton), over(2, Qt::LeftButton),
      over(3, Qt::LeftButton), over(6, Qt::LeftButton), over(5, Qt::LeftButton),
      over(4, Qt::LeftButton)},
     {Pressed, Pressed, Pressed, Pressed, Pressed, Pressed, Pressed},
     {"munfilenew", "munfileopen", "munfilesave", "muneditadd", "muneditgodown", "muneditgoon",
      "muneditdelete"}},
};

// Rows whose every column sorts them differently: A = "Song 10.mp3" and so on; the created
// texts run against the times, so a sort by text would show.
std::vector<PlaylistEntry> unsortedRows() {
    const auto at = [](int year, int month) {
        return QDateTime(QDate(year, month, 1), QTime(9, 0));
    };
    return {
        {u"Song 10.mp3"_s, u"30"_s, u"/b/Song 10.mp3"_s, u"MP3 音频"_s, u"1"_s, false, at(2024, 3)},
        {u"a.mp3"_s, u"5"_s, u"/d/a.mp3"_s, u"AAC 音频"_s, u"4"_s, false, at(2022, 1)},
        {u"song 2.mp3"_s, u"1000"_s, u"/a/song 2.mp3"_s, u"Ogg 音频"_s, u"3"_s, true, at(2023, 5)},
        {u"Song 1.mp3"_s, u"200"_s, u"/c/Song 1.mp3"_s, u"FLAC 音频"_s, u"2"_s, false,
         at(2024, 1)}};
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
                item.prepend(u"munedit"_s);
            QTest::newRow(name) << rows << checked << current << items << order << checkedAfter
                                << currentAfter;
        };
        row("delete, none checked", 3, {}, 2, {"delete"}, {"f1", "f2", "f3"}, {}, "f2");
        row("delete bottom up, then move with nothing current", 10, {1, 3, 4, 7, 8, 10}, 0,
            {"delete", "goon", "godown"}, {"f2", "f5", "f6", "f9"}, {}, "");
        row("delete all, then the check marks", 3, {1, 2, 3}, 2,
            {"delete", "selectall", "selectunall", "selectclear"}, {}, {}, "");
        row("delete, current stays", 5, {1, 2}, 4, {"delete"}, {"f3", "f4", "f5"}, {}, "f4");
        row("delete current, next takes its place", 5, {2, 3}, 2, {"delete"}, {"f1", "f4", "f5"},
            {}, "f4");
        row("delete current last row", 5, {3, 4, 5}, 5, {"delete"}, {"f1", "f2"}, {}, "f2");
        row("one row, both edges", 1, {}, 1, {"goon", "godown"}, {"f1"}, {}, "f1");
        // A check mark marks a file: it goes where the file goes.
        row("checked row up to the top", 3, {3}, 3, {"goon", "goon", "goon"}, {"f3", "f1", "f2"},
            {"f3"}, "f3");
        row("row down past a checked one", 3, {2}, 1, {"godown", "godown", "godown"},
            {"f2", "f3", "f1"}, {"f2"}, "f1");
        row("invert", 5, {1, 4}, 4, {"selectunall"}, {"f1", "f2", "f3", "f4", "f5"},
            {"f2", "f3", "f5"}, "f4");
        row("clear", 5, {1, 4}, 4, {"selectclear"}, {"f1", "f2", "f3", "f4", "f5"}, {}, "f4");
        row("select all, invert", 3, {2}, 1, {"selectall", "selectunall"}, {"f1", "f2", "f3"}, {},
            "f1");
    }

    void commands() {
        QFETCH(int, rows);
        QFETCH(QList<int>, checked);
        QFETCH(int, current);
        QFETCH(QStringList, items);
        Window w(rows, checked, current);

        for (const QString &item : std::as_const(items))
            w.trigger(item);

        QTEST(w.names(), "order");
        QTEST(w.names(true), "checkedAfter");
        QTEST(w.current(), "currentAfter");
        // The row commands clear `saved` even when they change nothing; the check marks leave it.
        QCOMPARE(w.form.saved, items.first().startsWith(u"muneditselect"_s));
        const int count = w.form.model().rowCount();
        QCOMPARE(w.form.findChild<QLabel *>("countPanel")->text(),
                 u"共有%1个节目文件！"_s.arg(count));
        for (const char *item : {"muneditdelete", "muneditgoon", "muneditgodown"})
            QCOMPARE(w.form.findChild<QAction *>(item)->isEnabled(), count > 0);
    }

    void dragWithinTable_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("onto");
        QTest::addColumn<int>("dy");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("below the middle of a row")
            << 0 << 2 << 3 << QStringList{"f2", "f3", "f1", "f4"};
        QTest::newRow("above the middle of a row")
            << 3 << 0 << -3 << QStringList{"f4", "f1", "f2", "f3"};
        QTest::newRow("below the last row") << 1 << -1 << 0 << QStringList{"f1", "f3", "f4", "f2"};
        QTest::newRow("in front of itself") << 1 << 1 << -3 << QStringList{"f1", "f2", "f3", "f4"};
        QTest::newRow("just below itself") << 1 << 1 << 3 << QStringList{"f1", "f2", "f3", "f4"};
    }

    void dragWithinTable() {
        QFETCH(int, from);
        QFETCH(int, onto);
        QFETCH(int, dy);
        QFETCH(QStringList, order);
        Window w(4, {1});
        w.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.form));
        const QPoint at = onto < 0 ? QPoint(50, w.form.ListView1->viewport()->height() - 5)
                                   : w.rowPoint(onto, dy);
        std::unique_ptr<QMimeData> data(w.form.model().mimeData({w.form.model().index(from, 0)}));
        QCOMPARE(w.drop(data.get(), at), Qt::MoveAction);

        QCOMPARE(w.names(), order);
        QCOMPARE(w.names(true), QStringList{"f1"});
        const bool moved = order != QStringList{"f1", "f2", "f3", "f4"};
        QCOMPARE(w.form.saved, !moved);
        if (moved)
            QCOMPARE(w.current(), u"f%1"_s.arg(from + 1));

        // A row dragged from another window is not a row of this table.
        Window other(4);
        std::unique_ptr<QMimeData> foreign(
            other.form.model().mimeData({other.form.model().index(3, 0)}));
        QCOMPARE(w.drop(foreign.get(), at), Qt::IgnoreAction);
        QCOMPARE(w.names(), order);
    }

    void sortByHeader_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("ascending");
        QTest::newRow("names: natural, any case")
            << 0 << QStringList{"a.mp3", "Song 1.mp3", "song 2.mp3", "Song 10.mp3"};
        QTest::newRow("sizes by number")
            << 1 << QStringList{"a.mp3", "Song 10.mp3", "Song 1.mp3", "song 2.mp3"};
        QTest::newRow("paths") << 2
                               << QStringList{"song 2.mp3", "Song 10.mp3", "Song 1.mp3", "a.mp3"};
        QTest::newRow("types") << 3
                               << QStringList{"a.mp3", "Song 1.mp3", "Song 10.mp3", "song 2.mp3"};
        QTest::newRow("creation by time")
            << 4 << QStringList{"a.mp3", "song 2.mp3", "Song 1.mp3", "Song 10.mp3"};
    }

    void sortByHeader() {
        QFETCH(int, column);
        QFETCH(QStringList, ascending);
        Window w(unsortedRows(), 2);
        w.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.form));
        const QStringList loaded = w.names();
        QHeaderView *header = w.form.ListView1->header();
        const auto click = [&] { w.clickHeader(column); };

        click();
        QCOMPARE(w.names(), ascending);
        QCOMPARE(header->sortIndicatorSection(), column);
        QVERIFY(!w.form.saved);
        QCOMPARE(w.names(true), QStringList{"song 2.mp3"});
        QCOMPARE(w.current(), u"a.mp3"_s);
        click();
        QList<QString> descending(ascending.crbegin(), ascending.crend());
        QCOMPARE(w.names(), descending);

        w.trigger(u"muneditundo"_s);
        QCOMPARE(w.names(), ascending);
        w.trigger(u"muneditundo"_s);
        QCOMPARE(w.names(), loaded);
        QCOMPARE(header->sortIndicatorSection(), -1);
        QCOMPARE(w.current(), u"a.mp3"_s);
        // After a change of the order, a click sorts ascending again.
        w.trigger(u"muneditgodown"_s);
        click();
        QCOMPARE(w.names(), ascending);
    }

    void toolbarLayout() {
        Window w(0);
        const QWidget *column = w.form.findChild<QWidget *>("toolbarColumn");
        QCOMPARE(column->mapTo(w.form.centralWidget(), QPoint()), QPoint(596, 0));
        const QList<QRect> frame{{0, 0, 20, 1}, {0, 1, 1, 20}, {1, 20, 20, 1}, {20, 0, 1, 20}};
        const QStringList tips{"新建 (Ctrl+N)", "打开 (Ctrl+O)", "保存 (Ctrl+S)",  "加入",
                               "删除 (Del)",    "上移 (Alt+Up)", "下移 (Alt+Down)"};
        for (int i = 0; i < 7; ++i) {
            QWidget *button = column->findChild<QWidget *>(u"Image1_%1"_s.arg(i));
            QCOMPARE(button->geometry(), QRect(4, 4 + 28 * i, 21, 21));
            for (int n = 1; n <= 4; ++n)
                QCOMPARE(column->findChild<QWidget *>(u"Line%1_%2"_s.arg(n).arg(i))->geometry(),
                         frame[n - 1].translated(button->pos()));
            QCOMPARE(button->accessibleName(), tips[i].left(2));
            QCOMPARE(button->toolTip(), tips[i]);
            const QImage drawn = button->grab().toImage();
            QVERIFY(drawn.pixel(10, 10) != drawn.pixel(0, 0));
        }
        const auto *separator = column->findChild<LineShape *>("Line5");
        QCOMPARE(separator->geometry(), QRect(0, 84, 28, 2));
        QCOMPARE(separator->color(), w.form.palette().color(QPalette::WindowText));
    }

    void toolbarMouse_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < mouseCases.size(); ++i)
            QTest::newRow(mouseCases[i].name) << i;
    }

    // Dialogs and questions that a button brings up are cancelled.
    void toolbarMouse() {
        QFETCH(int, index);
        const MouseCase &c = mouseCases[index];
        Window w(c.rows, {}, c.rows);
        w.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.form));
        w.fakes.fileDialog->openAnswers.resize(2);
        w.fakes.fileDialog->saveAnswers.resize(1);
        w.fakes.messageBoxes->answers.push_back(MessageAnswer::Cancel);
        w.form.saved = false;
        QStringList ran;
        for (QAction *action : w.form.findChildren<QAction *>())
            connect(action, &QAction::triggered, [&ran, action] { ran << action->objectName(); });
        const QImage picture = w.form.findChild<QWidget *>("Image1_5")->grab().toImage();

        for (const Step &step : c.steps)
            QTest::mouseEvent(step.action, w.form.windowHandle(), step.button, {},
                              w.form.centralWidget()->mapTo(&w.form, step.at));

        QCOMPARE(looks(w.form), c.looks);
        QCOMPARE(ran, c.ran);
        // Whether its button takes the mouse or not, a picture is drawn the same.
        QCOMPARE(w.form.findChild<QWidget *>("Image1_5")->grab().toImage(), picture);
    }
};

QTEST_MAIN(EditCommandsTest)
#include "tst_editcommands.moc"
