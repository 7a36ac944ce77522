// Times a real scan of the search dialog over a tree of 100,000 files in 2,000 folders and
// compares it with find(1) over the same tree, measured in the same run.

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

#include <cstdio>

namespace {

double timeScan(Form1 &dialog, const QString &pattern) {
    dialog.Combo1->setCurrentText(pattern);
    QElapsedTimer clock;
    clock.start();
    dialog.Command1->click();
    return clock.nsecsElapsed() / 1e9;
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
    std::printf("tree: %d files in %d folders, built in %.1f s\n", SearchTree::Files,
                SearchTree::Folders, clock.elapsed() / 1000.0);

    QByteArray names;
    const double find = SearchTree::bestOfThree(
        QStringLiteral("find"), {dir.path(), QStringLiteral("-iname"), QStringLiteral("*.mp3")},
        names);
    const qsizetype findCount = names.count('\n');

    Platform platform = desktopPlatform();
    frmmain window(platform);
    window.show();
    Form1 &dialog = *Form1::openFor(window);
    dialog.Text1->setText(dir.path() + QLatin1Char('/'));
    QApplication::processEvents();

    const double scan = timeScan(dialog, QStringLiteral("*.mp3"));
    const int rows = window.model().rowCount();
    const double nothing = timeScan(dialog, QStringLiteral("*.nothing"));

    std::printf("find -iname '*.mp3':        %8.3f s  (%lld names)\n", find,
                static_cast<long long>(findCount));
    std::printf("scan '*.mp3':               %8.3f s  (%d rows)  ratio %.1fx find\n", scan, rows,
                scan / find);
    std::printf("scan matching nothing:      %8.3f s  ratio %.1fx find\n", nothing, nothing / find);
    return rows == findCount ? 0 : 1;
}
