// Times real scans of the search dialog over a tree of 100,000 files in 2,000 folders and
// compares each with find(1) over the same tree and with the same pattern, measured in the same
// run. Run it offscreen and on an X display (QT_QPA_PLATFORM=xcb): the scan paints as it goes.

#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "bench/searchtree.h"
#include "media/form1.h"
#include "platform/localtimezone.h"
#include "platform/platform.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

struct Timing {
    double seconds = 1e9;
    int rows = 0;
};

// The best of three scans, each into an empty table, as find's best of three runs.
Timing timeScan(frmmain &window, Form1 &dialog, const QString &pattern) {
    dialog.Combo1->setCurrentText(pattern);
    Timing best;
    for (int run = 0; run < 3; ++run) {
        window.model().clear();
        QApplication::processEvents();
        QElapsedTimer clock;
        clock.start();
        dialog.Command1->click();
        best.seconds = std::min(best.seconds, clock.nsecsElapsed() / 1e9);
        best.rows = window.model().rowCount();
    }
    return best;
}

double timeFind(const QString &root, const QString &pattern, qsizetype &names) {
    QByteArray output;
    const double seconds = SearchTree::bestOfThree(
        QStringLiteral("find"), {root, QStringLiteral("-iname"), pattern}, output);
    names = output.count('\n');
    return seconds;
}

} // namespace

int main(int argc, char *argv[]) {
    pinLocalTimeZone();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QTemporaryDir dir;
    QElapsedTimer clock;
    clock.start();
    SearchTree::build(dir.path());
    std::printf("tree: %d files in %d folders, built in %.1f s; platform %s\n", SearchTree::Files,
                SearchTree::Folders, clock.elapsed() / 1000.0,
                qPrintable(QApplication::platformName()));

    qsizetype names = 0, noNames = 0;
    const double find = timeFind(dir.path(), QStringLiteral("*.mp3"), names);
    const double findNothing = timeFind(dir.path(), QStringLiteral("*.nothing"), noNames);

    Platform platform = desktopPlatform();
    frmmain window(platform);
    window.show();
    Form1 &dialog = *Form1::openFor(window);
    dialog.Text1->setText(dir.path() + QLatin1Char('/'));
    QApplication::processEvents();

    const Timing scan = timeScan(window, dialog, QStringLiteral("*.mp3"));
    const Timing nothing = timeScan(window, dialog, QStringLiteral("*.nothing"));

    std::printf("baseline find -iname '*.mp3':      %8.3f s  (%lld names)\n", find,
                static_cast<long long>(names));
    std::printf("scan '*.mp3':                      %8.3f s  (%d rows)  ratio %.2fx find\n",
                scan.seconds, scan.rows, scan.seconds / find);
    std::printf("baseline find -iname '*.nothing':  %8.3f s  (%lld names)\n", findNothing,
                static_cast<long long>(noNames));
    std::printf("scan '*.nothing':                  %8.3f s  (%d rows)  ratio %.2fx find\n",
                nothing.seconds, nothing.rows, nothing.seconds / findNothing);
    return scan.rows == names && nothing.rows == noNames ? 0 : 1;
}
