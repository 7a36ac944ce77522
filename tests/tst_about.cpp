#include "about/frmabout.h"
#include "about/getkeyvalue.h"
#include "about/startsysinfo.h"
#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "platform/standinregistry.h"

#include "fakeplatform.h"

#include <QApplication>
#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using RegistryValues = std::map<RegistryRead, RegistryValue>;
const RegistryRead ToolRead{SystemInfoKeys::ToolKey, SystemInfoKeys::ToolValue};
const RegistryRead FolderRead{SystemInfoKeys::FolderKey, SystemInfoKeys::FolderValue};

QString text(QWidget *box, const char *name) {
    return box->findChild<QWidget *>(QLatin1String(name))->property("text").toString();
}

} // namespace

class TestAbout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void getKeyValue_data();
    void getKeyValue();
    void standInNamesFirstToolOnPath();
    void helpMenu();
    void startSysInfo_data();
    void startSysInfo();

private:
    QTemporaryDir m_dir;
};

void TestAbout::getKeyValue_data() {
    QTest::addColumn<std::optional<RegistryValue>>("value");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QString>("text");

    const auto row = [](const char *name, std::optional<RegistryValue> value, bool read,
                        const QString &text) { QTest::newRow(name) << value << read << text; };
    using T = RegistryValue::Type;
    const QByteArray full(1023, 'a');
    row("text", RegistryValue::text(u"/opt/系统信息"_s), true, u"/opt/系统信息"_s);
    row("text without NUL", RegistryValue{T::Text, "abc"}, true, u"abc"_s);
    row("only the last NUL goes", RegistryValue{T::Text, {"ab\0\0", 4}}, true, u"ab\0"_s);
    row("number", RegistryValue::number(0x1f), true, u"&h1F"_s);
    row("largest number", RegistryValue::number(0xffffffffu), true, u"&hFFFFFFFF"_s);
    row("number of odd size", RegistryValue{T::Number, "\x01\x02"}, true, {});
    row("other type", RegistryValue{T::Other, "%SystemRoot%\\x.exe"}, true, {});
    row("missing value", std::nullopt, false, {});
    row("text filling the buffer", RegistryValue{T::Text, full + '\0'}, true, QString(1023, u'a'));
    row("text one byte too long", RegistryValue{T::Text, full + "a" + '\0'}, false, {});
    row("other type too long", RegistryValue{T::Other, full + "aa"}, false, {});
}

void TestAbout::getKeyValue() {
    QFETCH(std::optional<RegistryValue>, value);
    QFETCH(bool, read);
    QFETCH(QString, text);

    FakeRegistry registry;
    if (value)
        registry.values[{u"K"_s, u"V"_s}] = *value;
    QString keyValue = u"left over"_s;
    QCOMPARE(GetKeyValue(registry, RegistryRoot::LocalMachine, u"K"_s, u"V"_s, keyValue), read);
    QCOMPARE(keyValue, text);
}

void TestAbout::standInNamesFirstToolOnPath() {
    QTemporaryDir first;
    QTemporaryDir second;
    const QStringList tools = StandInRegistry::toolNames();
    for (const QString &path : {first.filePath(tools.last()), second.filePath(tools.at(1))})
        QVERIFY(QFile(path).open(QIODevice::WriteOnly) &&
                QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner));
    const auto restorePath = qScopeGuard([path = qgetenv("PATH")] { qputenv("PATH", path); });
    qputenv("PATH", QFile::encodeName(first.path() + u':' + second.path()));
    QString path;
    // The more specific tool wins over one that comes earlier on PATH; names match in any case.
    QVERIFY(GetKeyValue(StandInRegistry(), RegistryRoot::LocalMachine,
                        u"software\\microsoft\\shared tools\\msinfo"_s, u"Path"_s, path));
    QCOMPARE(path, second.filePath(tools.at(1)));
}

void TestAbout::helpMenu() {
    FakePlatform fakes;
    frmmain form(fakes.platform);
    form.model().insertEntry(0, PlaylistEntry{u"a.mp3"_s, {}, u"/music/a.mp3"_s, {}, {}, true});
    form.saved = true;
    form.show();
    for (const char *item : {"munhelpzn", "munhelpfaq", "munhelpemail", "munhelpgoweb"})
        form.findChild<QAction *>(QLatin1String(item))->trigger();
    const QUrl mail(u"mailto:vantrel@example.org"_s);
    const QUrl home(u"https://www.example.org/vantrel/"_s);
    const QUrl guide =
        QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + u"/readme.txt"_s);
    const QUrl faq(u"https://www.example.org/vantrel/faq.html"_s);
    QCOMPARE(fakes.shell->opened,
             (QList<ShellRequest>{{&form, guide}, {&form, faq}, {&form, mail}, {&form, home}}));

    // One About box at a time, modeless and without owner; each of these keys closes it.
    QAction *about = form.findChild<QAction *>(u"munhelpabut"_s);
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        about->trigger();
        QPointer<frmAbout> box = form.aboutBox;
        about->trigger();
        QCOMPARE(form.aboutBox, box);
        QVERIFY(!box->parentWidget() && !QApplication::activeModalWidget());
        QTest::keyClick(box, key);
        QTRY_VERIFY(!box);
    }

    about->trigger();
    QPointer<frmAbout> box = form.aboutBox;
    QCOMPARE(box->windowTitle(), u"关于 Vantrel"_s);
    QCOMPARE(text(box, "lblVersion"), u"版本 1.0.9"_s);
    QCOMPARE(text(box, "Label1"), u"E_mail:vantrel@example.org"_s);
    QCOMPARE(text(box, "Label2"), home.toString());
    QCOMPARE(text(box, "cmdSysInfo"), u"系统信息(&S)..."_s);
    QCOMPARE(box->minimumSize(), box->maximumSize());
    fakes.shell->opened.clear();
    QTest::mouseClick(box->findChild<QWidget *>(u"Label1"_s), Qt::LeftButton);
    QTest::mouseClick(box->findChild<QWidget *>(u"Label2"_s), Qt::LeftButton);
    QCOMPARE(fakes.shell->opened, (QList<ShellRequest>{{box, mail}, {box, home}}));
    QTest::mouseClick(box->findChild<QWidget *>(u"cmdSysInfo"_s), Qt::LeftButton);
    // Only now, not on any of the keys above, does it look for the tool.
    QCOMPARE(fakes.messageBoxes->shown.size(), 1);

    // The list is untouched, and the box goes with the main window.
    QVERIFY(form.model().rowCount() == 1 && form.saved);
    QVERIFY(form.close());
    QTRY_VERIFY(!box);
}

void TestAbout::startSysInfo_data() {
    QTest::addColumn<RegistryValues>("values");
    QTest::addColumn<bool>("starts");
    QTest::addColumn<QString>("started");

    const QString inFolder = m_dir.filePath(u"MSINFO32.EXE"_s);
    const QString lower = m_dir.filePath(u"lower"_s);
    QVERIFY(QDir().mkpath(lower) && QFile(inFolder).open(QIODevice::WriteOnly));
    // Linux names are case-sensitive: only the exact name is the tool.
    QVERIFY(QFile(lower + u"/msinfo32.exe"_s).open(QIODevice::WriteOnly));

    const QString path = u"/opt/hardinfo"_s;
    const auto tool = std::pair(ToolRead, RegistryValue::text(path));
    const auto folder = std::pair(FolderRead, RegistryValue::text(m_dir.path()));
    const RegistryValues other{{ToolRead, {RegistryValue::Type::Other, "/x"}}, folder};
    QTest::newRow("tool starts") << RegistryValues{tool, folder} << true << path;
    QTest::newRow("tool does not start") << RegistryValues{tool, folder} << false << path;
    QTest::newRow("tool of another type") << other << true << QString();
    QTest::newRow("folder holds the tool") << RegistryValues{folder} << true << inFolder;
    QTest::newRow("tool in folder does not start") << RegistryValues{folder} << false << inFolder;
    QTest::newRow("folder without the tool")
        << RegistryValues{{FolderRead, RegistryValue::text(lower)}} << true << QString();
    QTest::newRow("neither key") << RegistryValues() << true << QString();
}

void TestAbout::startSysInfo() {
    QFETCH(RegistryValues, values);
    QFETCH(bool, starts);
    QFETCH(QString, started);

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
    for (const ShownMessage &shown : fakes.messageBoxes->shown)
        QVERIFY(shown.text == u"此时系统信息不可用"_s && shown.title == u"Vantrel"_s &&
                shown.icon == MessageIcon::None);
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
