#include "about/frmabout.h"
#include "about/getkeyvalue.h"
#include "about/startsysinfo.h"
#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "fakeplatform.h"
#include "platform/standinregistry.h"

#include <QtTest>
#include <QtWidgets>

using RegistryValues = std::map<RegistryRead, RegistryValue>;
const RegistryRead ToolRead{SystemInfoKeys::ToolKey, SystemInfoKeys::ToolValue};
const RegistryRead FolderRead{SystemInfoKeys::FolderKey, SystemInfoKeys::FolderValue};

class TestAbout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void getKeyValue_data();
    void getKeyValue();
    void standInNamesFirstToolOnPath();
    void helpMenu();
    void startSysInfo_data();
    void startSysInfo();
};

void TestAbout::getKeyValue_data() {
    QTest::addColumn<RegistryValues>("values");
    // A null text: the value is not read.
    QTest::addColumn<QString>("text");

    const auto row = [](const char *name, RegistryValue value, const QString &text) {
        QTest::newRow(name) << RegistryValues{{{u"K"_qs, u"V"_qs}, value}} << text;
    };
    using T = RegistryValue::Type;
    row("only the last NUL goes", RegistryValue{T::Text, {"系统\0\0", 8}}, u"系统\0"_qs);
    row("number", RegistryValue::number(0x1f), u"&h1F"_qs);
    row("largest number", RegistryValue::number(0xffffffffu), u"&hFFFFFFFF"_qs);
    row("number of odd size", RegistryValue{T::Number, "\x01\x02"}, u""_qs);
    row("other type", RegistryValue{T::Other, "%SystemRoot%\\x.exe"}, u""_qs);
    row("full buffer, no NUL", RegistryValue{T::Text, QByteArray(1024, 'a')}, QString(1024, u'a'));
    row("one byte too long", RegistryValue{T::Text, QByteArray(1024, 'a') + '\0'}, QString());
    QTest::newRow("missing value") << RegistryValues() << QString();
}

void TestAbout::getKeyValue() {
    QFETCH(RegistryValues, values);
    QFETCH(QString, text);

    FakeRegistry registry;
    registry.values = values;
    QString keyValue = u"left over"_qs;
    QCOMPARE(GetKeyValue(registry, RegistryRoot::LocalMachine, u"K"_qs, u"V"_qs, keyValue),
             !text.isNull());
    QCOMPARE(keyValue, text);
}

void TestAbout::standInNamesFirstToolOnPath() {
    QTemporaryDir first, second;
    const QStringList tools = StandInRegistry::toolNames();
    for (const QString &path : {first.filePath(tools.last()), second.filePath(tools.at(1))})
        QVERIFY(QFile(path).open(QIODevice::WriteOnly) &&
                QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner));
    const auto restorePath = qScopeGuard([path = qgetenv("PATH")] { qputenv("PATH", path); });
    qputenv("PATH", QFile::encodeName(first.path() + u':' + second.path()));
    QString path;
    // The more specific tool wins over one that comes earlier on PATH; names match in any case.
    QVERIFY(GetKeyValue(StandInRegistry(), RegistryRoot::LocalMachine,
                        u"software\\microsoft\\shared tools\\msinfo"_qs, u"Path"_qs, path));
    QCOMPARE(path, second.filePath(tools.at(1)));
}

void TestAbout::helpMenu() {
    FakePlatform fakes;
    frmmain window(fakes.platform);
    frmmain *form = &window;
    const PlaylistEntry row{u"a"_qs, u"1"_qs, u"/m/a"_qs, u"t"_qs, u"c"_qs, true};
    form->model().insertEntry(0, row);
    form->saved = true;
    const auto trigger = [form](const char *item) { form->findChild<QAction *>(item)->trigger(); };
    for (const char *item : {"munhelpzn", "munhelpfaq", "munhelpemail", "munhelpgoweb"})
        trigger(item);
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        trigger("munhelpabut");
        QTest::keyClick(form->aboutBox, key);
        QTRY_VERIFY(!form->aboutBox);
    }

    // One About box at a time, modeless and without owner.
    trigger("munhelpabut");
    QPointer<frmAbout> box = form->aboutBox;
    trigger("munhelpabut");
    QVERIFY(form->aboutBox == box && !box->parentWidget() && !QApplication::activeModalWidget());
    QCOMPARE(box->windowTitle(), u"关于 Vantrel"_qs);
    const QStringList texts =
        u"lblVersion|版本 1.0.9|Label1|E_mail:vantrel@example.org|Label2|"
        u"https://www.example.org/vantrel/|cmdSysInfo|系统信息(&S)..."_qs.split(u'|');
    for (int i = 0; i < texts.size(); i += 2)
        QCOMPARE(box->findChild<QWidget *>(texts[i])->property("text").toString(), texts[i + 1]);
    QCOMPARE(box->minimumSize(), box->maximumSize());
    for (const char *label : {"Label1", "Label2", "cmdSysInfo"})
        QTest::mouseClick(box->findChild<QWidget *>(label), Qt::LeftButton);
    const QUrl guide = QUrl::fromLocalFile(qApp->applicationDirPath() + u"/readme.txt"_qs);
    const QUrl mail(u"mailto:vantrel@example.org"_qs), home(texts[5]),
        faq(texts[5] + u"faq.html"_qs);
    const QList<ShellRequest> opened{{form, guide}, {form, faq}, {form, mail},
                                     {form, home},  {box, mail}, {box, home}};
    QCOMPARE(fakes.shell->opened, opened);
    // Only the button, not any of the keys above, looks for the tool.
    const QList<ShownMessage> &shown = fakes.messageBoxes->shown;
    QVERIFY(shown.size() == 1 && shown[0].text == u"此时系统信息不可用"_qs &&
            shown[0].title == u"Vantrel"_qs && shown[0].icon == MessageIcon::None);

    // The list is untouched, and the box goes with the main window.
    QVERIFY(form->model().rowCount() == 1 && form->model().entry(0).path == row.path);
    QVERIFY(form->model().entry(0).checked && form->saved);
    QVERIFY(form->close());
    QTRY_VERIFY(!box);
}

void TestAbout::startSysInfo_data() {
    QTest::addColumn<RegistryValues>("values");
    QTest::addColumn<QString>("started");

    static const QTemporaryDir dir;
    const QString inFolder = dir.filePath(u"MSINFO32.EXE"_qs), lower = dir.filePath(u"lower"_qs);
    // Linux names are case-sensitive: only the exact name is the tool.
    QVERIFY(QDir().mkpath(lower) && QFile(inFolder).open(QIODevice::WriteOnly) &&
            QFile(lower + u"/msinfo32.exe"_qs).open(QIODevice::WriteOnly));

    const auto tool = std::pair(ToolRead, RegistryValue::text(u"/opt/hardinfo"_qs));
    const auto folder = std::pair(FolderRead, RegistryValue::text(dir.path()));
    const RegistryValues other{{ToolRead, {RegistryValue::Type::Other, "/x"}}, folder};
    QTest::newRow("tool") << RegistryValues{tool, folder} << u"/opt/hardinfo"_qs;
    QTest::newRow("tool of another type") << other << QString();
    QTest::newRow("folder holds the tool") << RegistryValues{folder} << inFolder;
    QTest::newRow("folder without the tool")
        << RegistryValues{{FolderRead, RegistryValue::text(lower)}} << QString();
    QTest::newRow("neither key") << RegistryValues() << QString();
}

void TestAbout::startSysInfo() {
    QFETCH(RegistryValues, values);
    QFETCH(QString, started);

    for (const bool starts : {true, false}) {
        FakePlatform fakes;
        fakes.registry->values = values;
        fakes.programs->startResult = starts;
        StartSysInfo(nullptr, fakes.platform);
        QCOMPARE(fakes.programs->started, started.isEmpty() ? QStringList() : QStringList{started});
        // The second key is asked only when the first is missing.
        QCOMPARE(fakes.registry->reads,
                 QList<RegistryRead>({ToolRead, FolderRead}).first(values.count(ToolRead) ? 1 : 2));
        // Unless a tool started, the user is told.
        QCOMPARE(fakes.messageBoxes->shown.size(), int(started.isEmpty() || !starts));
    }
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
