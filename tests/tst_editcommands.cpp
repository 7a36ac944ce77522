#include "app/apptexts.h"
#include "app/frmmain.h"
#include "app/lineshape.h"
#include "app/playlistmodel.h"
#include "fakeplatform.h"

#include <QAbstractItemModelTester>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

using namespace Qt::StringLiterals;

namespace {

// The window over fake services, its model watched by the model tester.
struct Window {
    FakePlatform fakes;
    frmmain form{fakes.platform};
    QAbstractItemModelTester tester{&form.model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest};

    // Rows put straight into the table, one a character, '.' unchecked, 'x' checked; '*' selects
    // the row before it. Row N holds "fN" in all five cells. Row commands and count follow.
    explicit Window(const QString &pattern) {
        PlaylistModel &model = form.model();
        for (const QChar c : pattern) {
            const QString name = u"f%1"_s.arg(model.rowCount() + 1);
            if (c == '*')
                form.selectRow(model.rowCount() - 1);
            else
                model.insertEntry(model.rowCount(), {name, name, name, name, name, c == 'x'});
        }
        form.updaterowcommands();
        form.showcount();
    }

    // The rows as "f1 f3x* f2": 'x' checked, '*' selected, '<' the view's current row where it
    // is not the selected one, '?' cells taken from different rows.
    QString rows() const {
        QStringList result;
        for (int r = 0; r < form.model().rowCount(); ++r) {
            const PlaylistEntry &e = form.model().entry(r);
            const bool whole = QStringList{e.size, e.path, e.type, e.created}.count(e.name) == 4;
            const bool selected = form.ListView1->selectionModel()->isRowSelected(r);
            result << e.name + (whole ? "" : "?") + (e.checked ? "x" : "") + (selected ? "*" : "") +
                          (selected == (form.ListView1->currentIndex().row() == r) ? "" : "<");
        }
        return result.join(' ');
    }

    // The seven frames, one character each: '-' flat in the button face, 'r' raised (white over
    // black), 'p' pressed (black over white).
    QString looks() const {
        const QColor face = form.palette().color(QPalette::Window), w = Qt::white, b = Qt::black;
        const QList<QList<QColor>> known{{face, face, face, face}, {w, w, b, b}, {b, b, w, w}};
        QString result;
        for (int i = 0; i < 7; ++i) {
            QList<QColor> frame;
            for (int n = 1; n <= 4; ++n)
                frame << form.findChild<LineShape *>(u"Line%1_%2"_s.arg(n).arg(i))->color();
            result += u"?-rp"_s[known.indexOf(frame) + 1];
        }
        return result;
    }
};

} // namespace

class EditCommandsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void commands_data() {
        // The rows before (as Window takes them) | the menu items run, less their "munedit" |
        // the rows after (as rows() gives them).
        QTest::addColumn<QString>("row");
        QTest::newRow("delete, none checked") << u"..*. | delete | f1 f2* f3"_s;
        QTest::newRow("delete bottom up, then move with nothing current")
            << u"x.xx..xx.x | delete goon godown | f2 f5 f6 f9"_s;
        QTest::newRow("delete all, then the check marks")
            << u"xx*x | delete selectall selectunall selectclear | "_s;
        QTest::newRow("delete, current stays") << u"xx..*. | delete | f3 f4* f5"_s;
        QTest::newRow("delete current, next takes its place") << u".x*x.. | delete | f1 f4* f5"_s;
        QTest::newRow("delete current last row") << u"..xxx* | delete | f1 f2*"_s;
        // The selection goes with the moved file, the check marks stay; at an edge nothing
        // changes but `saved`.
        QTest::newRow("one row, both edges") << u".* | goon godown | f1*"_s;
        QTest::newRow("up to the top, mark stays") << u"..x* | goon goon goon | f3* f1 f2x"_s;
        QTest::newRow("down to the bottom") << u".*x. | godown godown godown | f2 f3x f1*"_s;
        QTest::newRow("invert") << u"x..x*. | selectunall | f1 f2x f3x f4* f5x"_s;
        QTest::newRow("clear") << u"x..x*. | selectclear | f1 f2 f3 f4* f5"_s;
        QTest::newRow("select all, invert") << u".*x.. | selectall selectunall | f1* f2 f3 f4"_s;
    }

    void commands() {
        QFETCH(QString, row);
        const QStringList part = row.split(" | ");
        Window w(part[0]);
        w.form.saved = true;
        QSignalSpy changes(&w.form.model(), &QAbstractItemModel::dataChanged);

        for (const QString &command : part[1].split(' '))
            w.form.findChild<QAction *>("munedit" + command)->trigger();

        QCOMPARE(w.rows(), part[2]);
        // The row commands clear `saved` even when they change nothing; the check marks leave it.
        const bool checkMarks = part[1].startsWith("select");
        QCOMPARE(w.form.saved, checkMarks);
        const int count = w.form.model().rowCount();
        QCOMPARE(w.form.findChild<QLabel *>("countPanel")->text(), AppTexts::countMessage(count));
        QCOMPARE(w.form.muneditdelete->isEnabled(), count > 0);
        if (checkMarks && count > 0) { // each command tells the view of every row's mark at once
            QCOMPARE(changes.size(), part[1].count(' ') + 1);
            for (const QList<QVariant> &c : std::as_const(changes))
                QCOMPARE(c[1].toModelIndex().row() - c[0].toModelIndex().row(), count - 1);
        }
    }

    void toolbarLayout() {
        Window w({});
        const QWidget *column = w.form.findChild<QWidget *>("toolbarColumn");
        QCOMPARE(column->mapTo(w.form.centralWidget(), QPoint()), QPoint(596, 0));
        const QList<QRect> frame{{0, 0, 20, 1}, {0, 1, 1, 20}, {1, 20, 20, 1}, {20, 0, 1, 20}};
        for (int i = 0; i < 7; ++i) {
            QWidget *button = column->findChild<QWidget *>(u"Image1_%1"_s.arg(i));
            QCOMPARE(button->geometry(), QRect(4, 4 + 28 * i, 21, 21));
            for (int n = 1; n <= 4; ++n)
                QCOMPARE(column->findChild<QWidget *>(u"Line%1_%2"_s.arg(n).arg(i))->geometry(),
                         frame[n - 1].translated(button->pos()));
            QCOMPARE(button->accessibleName(), u"新建打开保存加入删除上移下移"_s.mid(2 * i, 2));
            const QImage drawn = button->grab().toImage();
            QVERIFY(drawn.pixel(10, 10) != drawn.pixel(0, 0));
        }
        const auto *separator = column->findChild<LineShape *>("Line5");
        QCOMPARE(separator->geometry(), QRect(0, 84, 28, 2));
        QCOMPARE(separator->color(), w.form.palette().color(QPalette::WindowText));
    }

    void toolbarMouse_data() {
        // The rows before | the steps | the looks after | the commands run | the rows after. A
        // step: m moves, L, R and M click the left, right and middle mouse buttons, over a button
        // given by its number or at a point of the client area. Dialogs and questions are
        // cancelled.
        QTest::addColumn<QString>("row");
        QTest::newRow("only the background flattens")
            << u" | m0 m610,24 m610,32 m100,100 m100,5 m50,346 | rr----- |  | "_s;
        // A flattening wipes what came before it, so each place of the background has its own row.
        QTest::newRow("beside the column") << u" | m0 m594,200 | ------- |  | "_s;
        QTest::newRow("between two buttons") << u" | m0 m610,28 | ------- |  | "_s;
        QTest::newRow("unavailable buttons") << u" | m0 m5 L4 R6 | ------- |  | "_s;
        QTest::newRow("presses") << u" | M1 R2 m611,70 | -pr---- |  | "_s;
        QTest::newRow("move up") << u"..*x | L5 | -----p- | muneditgoon | f2* f1 f3x"_s;
        QTest::newRow("each button's command")
            << QString("..*x | L0 L1 L2 L3 L6 L4 | ppppp-p | munfilenew munfileopen munfilesave "
                       "muneditadd muneditgodown muneditdelete | f1 f3*");
        QTest::newRow("delete all") << u"xx | m4 L4 R4 | ------- | muneditdelete | "_s;
    }

    void toolbarMouse() {
        QFETCH(QString, row);
        const QStringList part = row.split(" | ");
        Window w(part[0]);
        w.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.form));
        w.fakes.fileDialog->openAnswers.resize(2);
        w.fakes.fileDialog->saveAnswers.resize(1);
        w.fakes.messageBoxes->answers.push_back(MessageAnswer::Cancel);
        QStringList ran;
        for (QAction *action : w.form.findChildren<QAction *>())
            connect(action, &QAction::triggered, [&ran, action] { ran << action->objectName(); });
        const QImage picture = w.form.findChild<QWidget *>("Image1_5")->grab().toImage();

        for (const QString &step : part[1].split(' ')) {
            const QStringList xy = step.mid(1).split(',');
            const QPoint at = w.form.centralWidget()->mapTo(
                &w.form, xy.size() == 2 ? QPoint(xy[0].toInt(), xy[1].toInt())
                                        : QPoint(610, 14 + 28 * xy[0].toInt()));
            // Each button's letter stands at the value of its flag; a move's 'm' at no button.
            const auto button = Qt::MouseButton(u"mLR-M"_s.indexOf(step[0]));
            QTest::mouseEvent(step[0] == 'm' ? QTest::MouseMove : QTest::MouseClick,
                              w.form.windowHandle(), button, {}, at);
        }

        QCOMPARE(QStringList({w.looks(), ran.join(' '), w.rows()}), part.mid(2));
        // Whether its button takes the mouse or not, a picture is drawn the same.
        QCOMPARE(w.form.findChild<QWidget *>("Image1_5")->grab().toImage(), picture);
    }
};

QTEST_MAIN(EditCommandsTest)
#include "tst_editcommands.moc"
