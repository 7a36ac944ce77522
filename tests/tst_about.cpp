#include "about/frmabout.h"
#include "about/getkeyvalue.h"
#include "about/guidefile.h"
#include "app/frmmain.h"
#include "fakeplatform.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

// The About box, and the registry read behind its system-information button.
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

    void guideFileIsFound_data() {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("beside");
        QTest::addColumn<QString>("found");
        QTest::newRow("installed wins") << true << true << u"share/vantrel/readme.txt"_s;
        QTest::newRow("installed only") << true << false << u"share/vantrel/readme.txt"_s;
        QTest::newRow("build tree") << false << true << u"bin/readme.txt"_s;
        QTest::newRow("neither: where it belongs")
            << false << false << u"share/vantrel/readme.txt"_s;
    }

    // The program in <prefix>/bin finds the guide in <prefix>/share/vantrel, or beside itself.
    void guideFileIsFound() {
        QFETCH(bool, installed);
        QFETCH(bool, beside);
        QFETCH(QString, found);
        QTemporaryDir prefix;
        QVERIFY(QDir(prefix.path()).mkpath(u"bin"_s) &&
                QDir(prefix.path()).mkpath(u"share/vantrel"_s));
        for (const auto &[wanted, path] : {std::pair(installed, u"share/vantrel/readme.txt"_s),
                                           std::pair(beside, u"bin/readme.txt"_s)}) {
            QFile file(prefix.filePath(path));
            QVERIFY(!wanted || file.open(QIODevice::WriteOnly));
        }
        QCOMPARE(guideFile(prefix.filePath(u"bin"_s)), prefix.filePath(found));
    }

    void helpCommandsOpenTheirTargets_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QUrl>("target");
        const QString home = u"https://www.example.org/vantrel/"_s;
        // No guide beside the test program or in its data folder: the installed place.
        QTest::newRow("guide") << u"munhelpzn"_s
                               << QUrl::fromLocalFile(
                                      QDir::cleanPath(qApp->applicationDirPath() +
                                                      u"/../share/vantrel/readme.txt"_s));
        QTest::newRow("faq") << u"munhelpfaq"_s << QUrl(home + u"faq.html"_s);
        QTest::newRow("mail") << u"munhelpemail"_s << QUrl(u"mailto:vantrel@example.org"_s);
        QTest::newRow("home page") << u"munhelpgoweb"_s << QUrl(home);
    }

    // Each Help command hands its target to the desktop, and says so when nothing opened it.
    void helpCommandsOpenTheirTargets() {
        QFETCH(QString, item);
        QFETCH(QUrl, target);
        for (const bool opens : {true, false}) {
            FakePlatform fakes;
            fakes.shell->opens = opens;
            frmmain form(fakes.platform);
            form.findChild<QAction *>(item)->trigger();
            QCOMPARE(fakes.shell->opened, (QList<std::pair<QWidget *, QUrl>>{{&form, target}}));
            QCOMPARE(fakes.messageBoxes->shown.size(), opens ? 0 : 1);
        }
    }

    // One About box at a time, of no owner and not modal; Escape closes it, and it goes with the
    // main window.
    void aboutBoxIsOneWindow() {
        FakePlatform fakes;
        frmmain form(fakes.platform);
        form.listSaved(form.listname);
        const auto about = [&form] { form.findChild<QAction *>("munhelpabut")->trigger(); };
        about();
        QTest::keyClick(form.aboutBox, Qt::Key_Escape);
        QTRY_VERIFY(!form.aboutBox);
        about();
        QPointer<frmAbout> box = form.aboutBox;
        about();
        QVERIFY(form.aboutBox == box && !box->parentWidget() && !QApplication::activeModalWidget());
        QVERIFY(form.close());
        QTRY_VERIFY(!box);
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
