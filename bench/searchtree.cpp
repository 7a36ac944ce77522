#include "bench/searchtree.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <algorithm>

namespace SearchTree {

namespace {

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

} // namespace

void build(const QString &root) {
    int counter = 0;
    for (int top = 0; top < TopFolders; ++top) {
        const QString topFolder = root + QStringLiteral("/专辑%1").arg(top);
        fillFolder(topFolder, counter);
        for (int sub = 0; sub < SubfoldersEach; ++sub)
            fillFolder(topFolder + QStringLiteral("/disc%1").arg(sub), counter);
    }
}

double bestOfThree(const QString &program, const QStringList &arguments, QByteArray &output) {
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        QProcess process;
        QElapsedTimer clock;
        clock.start();
        process.start(program, arguments);
        process.waitForFinished(-1);
        output = process.readAllStandardOutput();
        best = std::min(best, clock.nsecsElapsed() / 1e9);
    }
    return best;
}

} // namespace SearchTree
