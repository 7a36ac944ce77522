#include "about/frmabout.h"
#include "about/getkeyvalue.h"
#include "about/startsysinfo.h"
#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "fakeplatform.h"
#include "platform/qtshell.h"
#include "platform/standinregistry.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

const RegistryRead ToolRead{SystemInfoKeys::ToolKey, SystemInfoKeys::ToolValue};
const QString Home = u"https://www.example.org/vantrel/"_s;

// The Help menu, the About box, and the lookup of the system-information tool.
class TestAbout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void getKeyValue_data();
    void getKeyValue();
    void standInNamesFirstToolOnPath();
    void helpCommandsOpenTheirTargets();
    void shellFailureIsTold();
    void aboutBoxShowsOnceAndCloses();
    void startSysInfo_data();
    void startSysInfo();
};

void TestAbout::getKeyValue_data() {
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

void TestAbout::getKeyValue() {
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

void TestAbout::standInNamesFirstToolOnPath() {
    QTemporaryDir first, second;
    const QString early = first.filePath(u"gnome-system-monitor"_s);
    const QString preferred = second.filePath(u"kinfocenter"_s);
    for (const QString &path : {early, preferred})
        QVERIFY(QFile(path).open(QIODevice::WriteOnly) &&
                QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner));
    const auto restorePath = qScopeGuard([path = qgetenv("PATH")] { qputenv("PATH", path); });
    qputenv("PATH", QFile::encodeName(first.path() + u':' + second.path()));

    // The more specific tool wins over one that comes earlier on PATH; names match in any case.
    QString path;
    QVERIFY(GetKeyValue(StandInRegistry(), u"software\\microsoft\\shared tools\\msinfo"_s,
                        u"Path"_s, path));
    QCOMPARE(path, preferred);
}

void TestAbout::helpCommandsOpenTheirTargets() {
    FakePlatform fakes;
    frmmain form(fakes.platform);
    form.model().insertEntry(0, {u"a"_s, u"1"_s, u"/m/a"_s, u"t"_s, u"c"_s, true});
    form.saved = true;
    for (const char *item : {"munhelpzn", "munhelpfaq", "munhelpemail", "munhelpgoweb"})
        form.findChild<QAction *>(item)->trigger();

    const QUrl guide = QUrl::fromLocalFile(qApp->applicationDirPath() + u"/readme.txt"_s);
    const QUrl mail(u"mailto:vantrel@example.org"_s);
    const QList<ShellRequest> opened{
        {&form, guide}, {&form, QUrl(Home + u"faq.html"_s)}, {&form, mail}, {&form, QUrl(Home)}};
    QCOMPARE(fakes.shell->opened, opened);
    // The list is left alone.
    QVERIFY(form.model().rowCount() == 1 && form.model().entry(0).checked && form.saved);
    QVERIFY(fakes.messageBoxes->shown.isEmpty());
}

void TestAbout::shellFailureIsTold() {
    FakePlatform fakes;
    frmmain form(fakes.platform);
    fakes.shell->openResult = false;
    for (const char *item :
         {"munhelpzn", "munhelpfaq", "munhelpemail", "munhelpgoweb", "munhelpabut"})
        form.findChild<QAction *>(item)->trigger();
    QTest::mouseClick(form.aboutBox->findChild<QWidget *>("Label2"), Qt::LeftButton);

    QStringList told;
    for (const ShownMessage &message : fakes.messageBoxes->shown)
        told << message.title + u' ' + message.text;
    const QString text = u"Vantrel 没能打开“%1”：文件不存在，或者本机没有能打开它的程序。"_s;
    QCOMPARE(told,
             QStringList({text.arg(qApp->applicationDirPath() + u"/readme.txt"_s),
                          text.arg(Home + u"faq.html"_s), text.arg(u"mailto:vantrel@example.org"_s),
                          text.arg(Home), text.arg(Home)}));
    // The desktop would report a missing guide only through the program it starts, if at all.
    QVERIFY(!QtShell().open(&form, QUrl::fromLocalFile(u"/nonexistent/readme.txt"_s)));
}

void TestAbout::aboutBoxShowsOnceAndCloses() {
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
    QCOMPARE(box->windowTitle(), u"关于 Vantrel"_s);
    QCOMPARE(box->findChild<QLabel *>("lblVersion")->text(), u"版本 1.0.9"_s);
    QCOMPARE(box->findChild<QLabel *>("Label1")->text(), u"E_mail:vantrel@example.org"_s);
    for (const char *label : {"Label1", "Label2"})
        QTest::mouseClick(box->findChild<QWidget *>(label), Qt::LeftButton);
    const QList<ShellRequest> opened{{box, QUrl(u"mailto:vantrel@example.org"_s)},
                                     {box, QUrl(Home)}};
    QCOMPARE(fakes.shell->opened, opened);

    // The box goes with the main window.
    QVERIFY(form.close());
    QTRY_VERIFY(!box);
}

void TestAbout::startSysInfo_data() {
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

void TestAbout::startSysInfo() {
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

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
