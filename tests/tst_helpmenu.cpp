#include "about/frmabout.h"
#include "about/makeraddresses.h"
#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "platform/qtprogramlauncher.h"

#include "fakeplatform.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

QAction *action(frmmain &form, const char *name) {
    return form.findChild<QAction *>(QLatin1String(name));
}

int aboutBoxCount() {
    int count = 0;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        count += qobject_cast<frmAbout *>(window) != nullptr;
    return count;
}

// What the help commands must leave alone.
QStringList documentState(const frmmain &form) {
    const PlaylistEntry &entry = form.model().entry(0);
    return {QString::number(form.model().rowCount()),
            entry.path,
            QString::number(entry.checked),
            form.listname,
            QString::number(form.saved),
            form.findChild<QLabel *>(QStringLiteral("countPanel"))->text(),
            form.windowTitle()};
}

} // namespace

class TestHelpMenu : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void opensTarget_data();
    void opensTarget();
    void aboutTwiceGivesOneBox();
    void closingMainWindowClosesAboutBox();
    void launcherStartsPrograms();
};

void TestHelpMenu::opensTarget_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QUrl>("target");

    QTest::newRow("guide") << QStringLiteral("munhelpzn")
                           << QUrl::fromLocalFile(QCoreApplication::applicationDirPath() +
                                                  QStringLiteral("/readme.txt"));
    QTest::newRow("faq") << QStringLiteral("munhelpfaq") << MakerAddresses::faqPage();
    QTest::newRow("mail") << QStringLiteral("munhelpemail")
                          << QUrl(QStringLiteral("mailto:vantrel@example.org"));
    QTest::newRow("home page") << QStringLiteral("munhelpgoweb") << MakerAddresses::homePage();
}

void TestHelpMenu::opensTarget() {
    QFETCH(QString, item);
    QFETCH(QUrl, target);

    FakePlatform fakes;
    frmmain form(fakes.platform);
    QAbstractItemModelTester tester(&form.model());
    form.model().insertEntry(0, PlaylistEntry{QStringLiteral("a.mp3"), QStringLiteral("3"),
                                              QStringLiteral("/music/a.mp3"), QStringLiteral("MP3"),
                                              QStringLiteral("2026/1/2 3:04:05"), true});
    form.listname = QStringLiteral("/lists/party.m3u");
    form.saved = true;
    form.setcaption(form.listname);
    form.showcount();
    const QStringList before = documentState(form);

    form.findChild<QAction *>(item)->trigger();

    QCOMPARE(fakes.shell->opened.size(), 1);
    QCOMPARE(fakes.shell->opened.first().owner, &form);
    QCOMPARE(fakes.shell->opened.first().target, target);
    QCOMPARE(documentState(form), before);
    QVERIFY(fakes.messageBoxes->shown.isEmpty());
    QCOMPARE(aboutBoxCount(), 0);
}

void TestHelpMenu::aboutTwiceGivesOneBox() {
    FakePlatform fakes;
    frmmain form(fakes.platform);
    form.show();
    action(form, "munhelpabut")->trigger();
    QPointer<frmAbout> first = form.aboutBox;
    QVERIFY(first);
    QVERIFY(first->isVisible());
    QCOMPARE(first->parentWidget(), nullptr);
    QVERIFY(!first->isModal());
    // The main window stays usable beside it.
    QVERIFY(!QApplication::activeModalWidget());

    action(form, "munhelpabut")->trigger();
    QCOMPARE(form.aboutBox, first);
    QCOMPARE(aboutBoxCount(), 1);
    QVERIFY(fakes.shell->opened.isEmpty());
    QCOMPARE(form.model().rowCount(), 0);
    QVERIFY(!form.saved);

    // Closed, it goes; the next command makes a new one.
    first->close();
    QTRY_VERIFY(!first);
    action(form, "munhelpabut")->trigger();
    QVERIFY(form.aboutBox);
    QCOMPARE(aboutBoxCount(), 1);
}

void TestHelpMenu::closingMainWindowClosesAboutBox() {
    FakePlatform fakes;
    frmmain form(fakes.platform);
    form.show();
    action(form, "munhelpabut")->trigger();
    QPointer<frmAbout> box = form.aboutBox;
    form.saved = true;
    QVERIFY(form.close());
    QVERIFY(!box || !box->isVisible());
    QTRY_VERIFY(!box);
}

void TestHelpMenu::launcherStartsPrograms() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString marker = dir.filePath(QStringLiteral("ran"));
    const QString script = dir.filePath(QStringLiteral("tool"));
    QFile file(script);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\ntouch \"$(dirname \"$0\")/ran\"\n");
    file.close();

    QtProgramLauncher launcher;
    QVERIFY(!launcher.start(QString()));
    QVERIFY(!launcher.start(dir.filePath(QStringLiteral("missing"))));
    QVERIFY(!launcher.start(script)); // not executable yet
    QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QVERIFY(launcher.start(script));
    QTRY_VERIFY(QFile::exists(marker));
}

QTEST_MAIN(TestHelpMenu)
#include "tst_helpmenu.moc"
