#include "app/lineshape.h"
#include "tablerows.h"

#include <QTest>

// The window shown and driven as a user drives it: every mouse event goes in through the
// window, so the toolkit decides which control it reaches. Records each command it runs.
struct Column : Window {
    QStringList ran;

    Column() {
        for (QAction *action : form.findChildren<QAction *>())
            QObject::connect(action, &QAction::triggered,
                             [this, action] { ran << action->objectName(); });
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
    }
    QWidget *button(int i) const { return form.findChild<QWidget *>(QString("Image1_%1").arg(i)); }
    QColor line(int n, int i) const {
        return form.findChild<LineShape *>(QString("Line%1_%2").arg(n).arg(i))->color();
    }
    // A frame a character: '-' flat in the button face, 'r' raised (white over black), 'p' pressed.
    QString looks() const {
        const QColor face = form.palette().color(QPalette::Window);
        QString result;
        for (int i = 0; i < 7; ++i) {
            const QList<QColor> frame{line(1, i), line(2, i), line(3, i), line(4, i)};
            result += frame == QList<QColor>(4, face)                                      ? '-'
                      : frame == QList<QColor>{Qt::white, Qt::white, Qt::black, Qt::black} ? 'r'
                      : frame == QList<QColor>{Qt::black, Qt::black, Qt::white, Qt::white} ? 'p'
                                                                                           : '?';
        }
        return result;
    }
    QPoint at(const QWidget *widget, QPoint position = {10, 10}) const {
        return widget->mapTo(&form, position);
    }
    void move(QPoint at) { QTest::mouseMove(form.windowHandle(), at); }
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(form.windowHandle(), button, {}, at);
    }
};

class ToolbarColumnTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void layout();
    void movesRaiseAndBackgroundFlattens_data();
    void movesRaiseAndBackgroundFlattens();
    void anyMouseButtonPresses_data();
    void anyMouseButtonPresses();
    void clicksRunTheMenuItems_data();
    void clicksRunTheMenuItems();
    void unavailableButtonsIgnoreTheMouse();
};

void ToolbarColumnTest::layout() {
    Column c;
    const QWidget *client = c.form.centralWidget();
    const auto rect = [client](const QWidget *w) {
        return QRect(w->mapTo(client, QPoint()), w->size());
    };
    const QStringList captions = QString("新建 打开 保存 加入 删除 上移 下移").split(' ');
    const QList<QRect> frame{{0, 0, 20, 1}, {0, 1, 1, 20}, {1, 20, 20, 1}, {20, 0, 1, 20}};
    QCOMPARE(c.looks(), "-------");
    for (int i = 0; i < 7; ++i) {
        QWidget *button = c.button(i);
        QCOMPARE(rect(button), QRect(600, 4 + 28 * i, 21, 21));
        for (int n = 1; n <= 4; ++n)
            QCOMPARE(rect(c.form.findChild<QWidget *>(QString("Line%1_%2").arg(n).arg(i))),
                     frame[n - 1].translated(600, 4 + 28 * i));
        QCOMPARE(button->accessibleName(), captions[i]);
        // Unavailable buttons let the mouse through but stay enabled, so their pictures never grey.
        QCOMPARE(button->testAttribute(Qt::WA_TransparentForMouseEvents), i >= 4);
        QVERIFY(button->isEnabled());
        const QImage drawn = button->grab().toImage();
        QVERIFY(drawn.pixel(10, 10) != drawn.pixel(1, 1) || drawn.pixel(7, 7) != drawn.pixel(1, 1));
    }
    const auto *separator = c.form.findChild<LineShape *>("Line5");
    QCOMPARE(rect(separator), QRect(596, 84, 28, 2));
    QCOMPARE(separator->color(), c.form.palette().color(QPalette::WindowText));
}

void ToolbarColumnTest::movesRaiseAndBackgroundFlattens_data() {
    QTest::addColumn<QString>("over"); // the window's client area, or a control
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QString>("looks");
    QTest::newRow("left of the column") << "" << QPoint(594, 200) << QString("-------");
    QTest::newRow("between two buttons") << "" << QPoint(610, 28) << QString("-------");
    QTest::newRow("over an unavailable button") << "" << QPoint(610, 150) << QString("-------");
    QTest::newRow("over the table") << "ListView1" << QPoint(100, 100) << QString("rr-----");
    QTest::newRow("over the table's header") << "ListView1" << QPoint(100, 5) << QString("rr-----");
    QTest::newRow("over the status bar") << "sb" << QPoint(50, 10) << QString("rr-----");
}

void ToolbarColumnTest::movesRaiseAndBackgroundFlattens() {
    QFETCH(QString, over);
    QFETCH(QPoint, position);
    QFETCH(QString, looks);
    Column c;
    c.move(c.at(c.button(0)));
    QCOMPARE(c.looks(), "r------");
    // Straight on to the next button, without crossing the background: the first stays raised.
    c.move(c.at(c.button(0), {10, 20}));
    c.move(c.at(c.button(1), {10, 0}));
    QCOMPARE(c.looks(), "rr-----");
    c.move(c.at(over.isEmpty() ? c.form.centralWidget() : c.form.findChild<QWidget *>(over),
                position));
    QCOMPARE(c.looks(), looks);
}

void ToolbarColumnTest::anyMouseButtonPresses_data() {
    QTest::addColumn<Qt::MouseButton>("mouseButton");
    QTest::addColumn<QStringList>("ran");
    // The left click runs Save, whose dialog the user cancels.
    QTest::newRow("left") << Qt::LeftButton << QStringList{"munfilesave"};
    QTest::newRow("right") << Qt::RightButton << QStringList();
    QTest::newRow("middle") << Qt::MiddleButton << QStringList();
}

void ToolbarColumnTest::anyMouseButtonPresses() {
    QFETCH(Qt::MouseButton, mouseButton);
    QFETCH(QStringList, ran);
    Column c;
    c.fakes.fileDialog->saveAnswers.push_back({});
    const QPoint over = c.at(c.button(2));
    c.move(over);
    QTest::mousePress(c.form.windowHandle(), mouseButton, {}, over);
    QCOMPARE(c.looks(), "--p----");
    // Release changes nothing; the next move over the button raises it again.
    QTest::mouseRelease(c.form.windowHandle(), mouseButton, {}, over);
    QCOMPARE(c.looks(), "--p----");
    QCOMPARE(c.ran, ran);
    c.move(over + QPoint(1, 0));
    QCOMPARE(c.looks(), "--r----");
}

void ToolbarColumnTest::clicksRunTheMenuItems_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("rows");
    // Every dialog is cancelled, every question answered with Cancel.
    QTest::newRow("new") << 0 << "munfilenew" << QString("f1 f2* f3x");
    QTest::newRow("open") << 1 << "munfileopen" << QString("f1 f2* f3x");
    QTest::newRow("save") << 2 << "munfilesave" << QString("f1 f2* f3x");
    QTest::newRow("add") << 3 << "muneditadd" << QString("f1 f2* f3x");
    QTest::newRow("delete") << 4 << "muneditdelete" << QString("f1 f2*");
    QTest::newRow("move up") << 5 << "muneditgoon" << QString("f2* f1 f3x");
    QTest::newRow("move down") << 6 << "muneditgodown" << QString("f1 f3 f2x*");
}

void ToolbarColumnTest::clicksRunTheMenuItems() {
    QFETCH(int, button);
    QFETCH(QString, item);
    QFETCH(QString, rows);
    Column c;
    c.addRows("..*x");
    c.fakes.fileDialog->openAnswers.push_back({});
    c.fakes.fileDialog->saveAnswers.push_back({});
    c.fakes.messageBoxes->answers.push_back(MessageAnswer::Cancel);
    c.click(c.at(c.button(button)));
    QCOMPARE(c.ran, QStringList{item});
    QCOMPARE(c.rows(), rows);
}

void ToolbarColumnTest::unavailableButtonsIgnoreTheMouse() {
    Column c;
    c.addRows("xx");
    const QImage picture = c.button(5)->grab().toImage();
    c.move(c.at(c.button(4)));
    c.click(c.at(c.button(4)));
    // Delete emptied the table: its pressed button went flat, and 4 to 6 let the mouse through.
    QCOMPARE(c.rows(), "");
    for (int i = 4; i <= 6; ++i) {
        c.move(c.at(c.button(i), {11, 11}));
        c.click(c.at(c.button(i)));
        c.click(c.at(c.button(i)), Qt::RightButton);
    }
    QCOMPARE(c.looks(), "-------");
    QCOMPARE(c.ran, QStringList{"muneditdelete"});
    QCOMPARE(c.button(5)->grab().toImage(), picture);
    c.addRows(".");
    c.move(c.at(c.button(5)));
    QCOMPARE(c.looks(), "-----r-");
}

QTEST_MAIN(ToolbarColumnTest)
#include "tst_toolbarcolumn.moc"
