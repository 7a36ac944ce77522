#include "about/frmabout.h"
#include "about/makeraddresses.h"
#include "platform/registry.h"

#include "fakeplatform.h"

#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString ToolKey = QLatin1String(SystemInfoKeys::ToolKey);
const QString ToolValue = QLatin1String(SystemInfoKeys::ToolValue);
const QString FolderKey = QLatin1String(SystemInfoKeys::FolderKey);
const QString FolderValue = QLatin1String(SystemInfoKeys::FolderValue);
const RegistryRead ToolRead{ToolKey, ToolValue};
const RegistryRead FolderRead{FolderKey, FolderValue};

template <typename T> T *child(QWidget &box, const char *name) {
    T *found = box.findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

} // namespace

class TestAboutBox : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void showsTexts();
    void linksOpenWithBoxAsOwner();
    void keysClose_data();
    void keysClose();
    void startSysInfo_data();
    void startSysInfo();
};

void TestAboutBox::showsTexts() {
    FakePlatform fakes;
    frmAbout box(fakes.platform);
    box.show();
    QCOMPARE(box.windowTitle(), QStringLiteral("关于 Vantrel"));
    QCOMPARE(child<QLabel>(box, "lblTitle")->text(), QStringLiteral("Vantrel"));
    QCOMPARE(child<QLabel>(box, "lblVersion")->text(), QStringLiteral("版本 1.0.9"));
    QVERIFY(child<QLabel>(box, "lblDisclaimer")->text().startsWith(QStringLiteral("版权所有")));
    QCOMPARE(child<QLabel>(box, "Label1")->text(), QStringLiteral("E_mail:vantrel@example.org"));
    QCOMPARE(child<QLabel>(box, "Label2")->text(), MakerAddresses::homePage().toString());
    for (const char *link : {"Label1", "Label2"}) {
        auto *label = child<QLabel>(box, link);
        QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::blue));
    }
    auto *cmdOK = child<QPushButton>(box, "cmdOK");
    QCOMPARE(cmdOK->text(), QStringLiteral("确定"));
    QVERIFY(cmdOK->isDefault());
    QCOMPARE(child<QPushButton>(box, "cmdSysInfo")->text(), QStringLiteral("系统信息(&S)..."));
    QCOMPARE(child<QFrame>(box, "Line1")->frameShadow(), QFrame::Sunken);
    QVERIFY(!child<QLabel>(box, "Image1")->pixmap().isNull());

    QCOMPARE(box.minimumSize(), box.maximumSize());
    QVERIFY(!(box.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(!box.isModal());
    QVERIFY(box.testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(fakes.shell->opened.isEmpty());
    QVERIFY(fakes.registry->reads.isEmpty());
}

void TestAboutBox::linksOpenWithBoxAsOwner() {
    FakePlatform fakes;
    frmAbout box(fakes.platform);
    box.show();
    QTest::mouseClick(child<QLabel>(box, "Label1"), Qt::LeftButton);
    QTest::mouseClick(child<QLabel>(box, "Label2"), Qt::LeftButton);
    QTest::mouseClick(child<QLabel>(box, "Label2"), Qt::RightButton);
    QTest::mouseClick(child<QLabel>(box, "lblTitle"), Qt::LeftButton);

    QCOMPARE(fakes.shell->opened.size(), 2);
    QCOMPARE(fakes.shell->opened.at(0).owner, &box);
    QCOMPARE(fakes.shell->opened.at(0).target, MakerAddresses::mailLink());
    QCOMPARE(fakes.shell->opened.at(1).owner, &box);
    QCOMPARE(fakes.shell->opened.at(1).target, MakerAddresses::homePage());
    QVERIFY(box.isVisible());
}

void TestAboutBox::keysClose_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("escape") << int(Qt::Key_Escape);
    QTest::newRow("enter") << int(Qt::Key_Return);
    QTest::newRow("keypad enter") << int(Qt::Key_Enter);
}

void TestAboutBox::keysClose() {
    QFETCH(int, key);
    FakePlatform fakes;
    QPointer<frmAbout> box = new frmAbout(fakes.platform);
    box->show();
    QVERIFY(QTest::qWaitForWindowActive(box));
    QTest::keyClick(box, Qt::Key(key));
    QTRY_VERIFY(!box);
    QVERIFY(fakes.programs->started.isEmpty());
}

void TestAboutBox::startSysInfo_data() {
    QTest::addColumn<std::optional<RegistryValue>>("tool");
    QTest::addColumn<std::optional<RegistryValue>>("folder");
    QTest::addColumn<bool>("folderHoldsTool");
    QTest::addColumn<bool>("startResult");
    QTest::addColumn<QStringList>("started");
    QTest::addColumn<QList<RegistryRead>>("reads");
    QTest::addColumn<bool>("message");

    // "@" stands for the temporary folder of the test.
    const RegistryValue toolPath = RegistryValue::text(QStringLiteral("@/hardinfo"));
    const RegistryValue folder = RegistryValue::text(QStringLiteral("@"));
    const std::optional<RegistryValue> none;
    QTest::newRow("first key starts the tool")
        << std::optional(toolPath) << std::optional(folder) << true << true
        << QStringList{QStringLiteral("@/hardinfo")} << QList<RegistryRead>{ToolRead} << false;
    QTest::newRow("first key names nothing startable")
        << std::optional(toolPath) << std::optional(folder) << true << false
        << QStringList{QStringLiteral("@/hardinfo")} << QList<RegistryRead>{ToolRead} << true;
    QTest::newRow("first key of another type")
        << std::optional(RegistryValue{RegistryValue::Type::Other, "@/hardinfo"})
        << std::optional(folder) << true << true << QStringList() << QList<RegistryRead>{ToolRead}
        << true;
    QTest::newRow("folder holds the tool") << none << std::optional(folder) << true << true
                                           << QStringList{QStringLiteral("@/MSINFO32.EXE")}
                                           << QList<RegistryRead>{ToolRead, FolderRead} << false;
    QTest::newRow("folder without the tool")
        << none << std::optional(folder) << false << true << QStringList()
        << QList<RegistryRead>{ToolRead, FolderRead} << true;
    QTest::newRow("tool in folder does not start")
        << none << std::optional(folder) << true << false
        << QStringList{QStringLiteral("@/MSINFO32.EXE")}
        << QList<RegistryRead>{ToolRead, FolderRead} << true;
    QTest::newRow("neither key") << none << none << true << true << QStringList()
                                 << QList<RegistryRead>{ToolRead, FolderRead} << true;
}

void TestAboutBox::startSysInfo() {
    QFETCH(std::optional<RegistryValue>, tool);
    QFETCH(std::optional<RegistryValue>, folder);
    QFETCH(bool, folderHoldsTool);
    QFETCH(bool, startResult);
    QFETCH(QStringList, started);
    QFETCH(QList<RegistryRead>, reads);
    QFETCH(bool, message);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const auto inDir = [&dir](QByteArray data) {
        return data.replace('@', QFile::encodeName(dir.path()));
    };
    if (folderHoldsTool) {
        QFile file(dir.filePath(QStringLiteral("MSINFO32.EXE")));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    // Linux names are case-sensitive: only the exact name is the tool.
    QFile lowerCase(dir.filePath(QStringLiteral("msinfo32.exe")));
    QVERIFY(lowerCase.open(QIODevice::WriteOnly));

    FakePlatform fakes;
    if (tool)
        fakes.registry->set(ToolKey, ToolValue, {tool->type, inDir(tool->data)});
    if (folder)
        fakes.registry->set(FolderKey, FolderValue, {folder->type, inDir(folder->data)});
    fakes.programs->startResult = startResult;
    frmAbout box(fakes.platform);
    box.show();

    QTest::mouseClick(child<QPushButton>(box, "cmdSysInfo"), Qt::LeftButton);

    started.replaceInStrings(QStringLiteral("@"), dir.path());
    QCOMPARE(fakes.programs->started, started);
    QCOMPARE(fakes.registry->reads, reads);
    QCOMPARE(fakes.messageBoxes->shown.size(), message ? 1 : 0);
    if (message) {
        const ShownMessage &shown = fakes.messageBoxes->shown.first();
        QCOMPARE(shown.text, QStringLiteral("此时系统信息不可用"));
        QCOMPARE(shown.title, QStringLiteral("Vantrel"));
        QCOMPARE(shown.icon, MessageIcon::None);
        QVERIFY(!shown.question);
    }
    QVERIFY(box.isVisible());
}

QTEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
