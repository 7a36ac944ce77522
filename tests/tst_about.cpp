#include "about/frmabout.h"
#include "about/getkeyvalue.h"
#include "about/startsysinfo.h"
#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "fakeplatform.h"
#include "platform/qtshell.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

const RegistryRead ToolRead{SystemInfoKeys::ToolKey, SystemInfoKeys::ToolValue};
const QString Home = u"https://www.example.org/vantrel/"_s, Mail = u"mailto:vantrel@example.org"_s;

// The Help menu, the About box, and the lookup of the system-information tool.
class TestAbout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void getKeyValue_data() {
        QTest::addColumn<std::optional<QByteArray>>("stored");
        QTest::addColumn<bool>("read");
        QTest::addColumn<QString>("text");
        QTest::newRow("only the last NUL goes")
            << std::optional(QByteArray("系统\0\0", 8)) << true << u"系统\0"_s;
        QTest::newRow("full buffer, no NUL")
            << std::optional(QByteArray(1024, 'a')) << true << QString(1024, u'a');
        QTest::newRow("one byte too long")
            << std::optional(QByteArray(1024, 'a') + '\0') << false << QString();
        QTest::newRow("missing value") << std::optional<QByteArray>() << false << QString();
    }

    void getKeyValue() {
        QFETCH(std::optional<QByteArray>, stored);
        QFETCH(bool, read);
        QFETCH(QString, text);
        FakeRegistry registry;
        if (stored)
            registry.values[{u"K"_s, u"V"_s}] = *stored;
        QString keyValue = u"left over"_s;
        QCOMPARE(GetKeyValue(registry, u"K"_s, u"V"_s, keyValue), read);
        QCOMPARE(keyValue, text);
    }

    void helpCommands_data() {
        QTest::addColumn<bool>("opens");
        QTest::newRow("opened") << true;
        QTest::newRow("the shell fails: told") << false;
    }

    // Each command hands its target to the shell and leaves the list alone.
    void helpCommands() {
        QFETCH(bool, opens);
        FakePlatform fakes;
        frmmain form(fakes.platform);
        fakes.shell->openResult = opens;
        form.model().insertEntry(0, {u"a"_s, u"1"_s, u"/m/a"_s, u"t"_s, u"c"_s, true});
        form.saved = true;
        for (const char *item : {"munhelpzn", "munhelpfaq", "munhelpemail", "munhelpgoweb"})
            form.findChild<QAction *>(item)->trigger();

        const QString guide = qApp->applicationDirPath() + u"/readme.txt"_s;
        const QList<ShellRequest> opened{{&form, QUrl::fromLocalFile(guide)},
                                         {&form, QUrl(Home + u"faq.html"_s)},
                                         {&form, QUrl(Mail)},
                                         {&form, QUrl(Home)}};
        QCOMPARE(fakes.shell->opened, opened);
        QStringList told;
        for (const ShownMessage &message : fakes.messageBoxes->shown)
            told << message.title + u' ' + message.text;
        const QString text = u"Vantrel 没能打开“%1”：文件不存在，或者本机没有能打开它的程序。"_s;
        const QStringList failed{text.arg(guide), text.arg(Home + u"faq.html"_s), text.arg(Mail),
                                 text.arg(Home)};
        QCOMPARE(told, opens ? QStringList() : failed);
        QVERIFY(form.model().rowCount() == 1 && form.model().entry(0).checked && form.saved);
        // The desktop would report a missing guide only through the program it starts, if at
        // all.
        QVERIFY(!QtShell().open(&form, QUrl::fromLocalFile(u"/nonexistent/readme.txt"_s)));
    }

    void aboutBoxShowsOnceAndCloses() {
        FakePlatform fakes;
        frmmain form(fakes.platform);
        form.saved = true;
        const auto about = [&form] { form.findChild<QAction *>("munhelpabut")->trigger(); };
        for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
            about();
            QTest::keyClick(form.aboutBox, key);
            QTRY_VERIFY(!form.aboutBox);
        }

        about();
        QPointer<frmAbout> box = form.aboutBox;
        about();
        QVERIFY(form.aboutBox == box && !box->parentWidget() && !QApplication::activeModalWidget());
        for (const char *label : {"Label1", "Label2"})
            QTest::mouseClick(box->findChild<QWidget *>(label), Qt::LeftButton);
        QCOMPARE(fakes.shell->opened, (QList<ShellRequest>{{box, QUrl(Mail)}, {box, QUrl(Home)}}));
        // The box goes with the main window.
        QVERIFY(form.close());
        QTRY_VERIFY(!box);
    }

    void startSysInfo_data() {
        QTest::addColumn<std::optional<QByteArray>>("toolValue");
        QTest::addColumn<bool>("starts");
        QTest::addColumn<QStringList>("started");
        QTest::addColumn<bool>("told");
        const std::optional<QByteArray> tool(std::in_place, "/opt/hardinfo\0", 14);
        QTest::newRow("tool starts") << tool << true << QStringList{u"/opt/hardinfo"_s} << false;
        QTest::newRow("tool fails to start")
            << tool << false << QStringList{u"/opt/hardinfo"_s} << true;
        QTest::newRow("no tool") << std::optional<QByteArray>() << true << QStringList() << true;
    }

    void startSysInfo() {
        QFETCH(std::optional<QByteArray>, toolValue);
        QFETCH(bool, starts);
        QFETCH(QStringList, started);
        QFETCH(bool, told);
        FakePlatform fakes;
        if (toolValue)
            fakes.registry->values[ToolRead] = *toolValue;
        fakes.programs->startResult = starts;
        frmAbout box(fakes.platform);
        QTest::mouseClick(box.findChild<QPushButton *>("cmdSysInfo"), Qt::LeftButton);
        QCOMPARE(fakes.programs->started, started);
        QCOMPARE(fakes.registry->reads, QList<RegistryRead>{ToolRead});
        QCOMPARE(fakes.messageBoxes->shown.size(), told ? 1 : 0);
        if (told) {
            const ShownMessage &message = fakes.messageBoxes->shown.first();
            QCOMPARE(message.text, u"此时系统信息不可用"_s);
            QCOMPARE(message.title, u"Vantrel"_s);
            QCOMPARE(message.icon, MessageIcon::None);
        }
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
