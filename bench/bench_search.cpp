// Times a real scan of the search dialog over a tree of 100,000 files in 2,000 folders and
// compares it with find(1) over the same tree, measured in the same run.

#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "media/form1.h"
#include "platform/localtimezone.h"
#include "platform/platform.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int TopFolders = 40;
constexpr int SubfoldersEach = 49; // 40 + 40 * 49 = 2,000 folders
constexpr int FilesPerFolder = 50; // 100,000 files

// One file in ten is an MP3, one name in three is Chinese.
QString fileName(int index) {
    const QString stem =
        index % 3 == 0 ? QStringLiteral("歌曲%1").arg(index) : QStringLiteral("track%1").arg(index);
    const char *suffix = index % 10 == 0 ? ".mp3" : (index % 2 ? ".txt" : ".jpg");
    return stem + QLatin1String(suffix);
}

void fillFolder(const QString &folder, int &counter) {
    QDir().mkpath(folder);
    for (int i = 0; i < FilesPerFolder; ++i) {
        QFile file(folder + QLatin1Char('/') + fileName(counter++));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot create the benchmark tree");
    }
}

void buildTree(const QString &root) {
    int counter = 0;
    for (int top = 0; top < TopFolders; ++top) {
        const QString topFolder = root + QStringLiteral("/专辑%1").arg(top);
        fillFolder(topFolder, counter);
        for (int sub = 0; sub < SubfoldersEach; ++sub)
            fillFolder(topFolder + QStringLiteral("/disc%1").arg(sub), counter);
    }
}

// The best of three runs of find, in seconds, and the number of names it printed.
double timeFind(const QString &root, qsizetype &found) {
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        QProcess find;
        QElapsedTimer clock;
        clock.start();
        find.start(QStringLiteral("find"),
                   {root, QStringLiteral("-iname"), QStringLiteral("*.mp3")});
        find.waitForFinished(-1);
        const QByteArray output = find.readAllStandardOutput();
        best = std::min(best, clock.nsecsElapsed() / 1e9);
        found = output.count('\n');
    }
    return best;
}

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
    buildTree(dir.path());
    std::printf("tree: %d files in %d folders, built in %.1f s\n",
                TopFolders * (SubfoldersEach + 1) * FilesPerFolder,
                TopFolders * (SubfoldersEach + 1), clock.elapsed() / 1000.0);

    qsizetype findCount = 0;
    const double find = timeFind(dir.path(), findCount);

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
