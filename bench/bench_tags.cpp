// Reads the tags of 10,000 small songs with the loader the window uses, and compares it with a
// plain loop over the same files on one thread: TagLib's FileRef, its tag and its audio
// properties. Then reads a full table's 32,767 songs (the same files under more names) and
// reports the longest pause of the loader's thread and what the cache holds for them.

#include "bench/testsongs.h"
#include "media/tagloader.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <taglib/fileref.h>
#include <taglib/tag.h>

#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int Songs = 10000;
constexpr int TableRows = 32767;
constexpr int Rounds = 3;

// The test songs, each copied under many names.
QStringList makeSongs(const QTemporaryDir &dir) {
    const std::array<QByteArray, 3> songs = testSongs();
    QStringList paths;
    for (int i = 0; i < Songs; ++i) {
        QFile file(dir.filePath(QStringLiteral("歌曲 %1.%2").arg(i).arg(SongSuffixes[i % 3])));
        if (!file.open(QIODevice::WriteOnly) || file.write(songs[i % 3]) != songs[i % 3].size())
            qFatal("cannot write %s", qPrintable(file.fileName()));
        paths << file.fileName();
    }
    return paths;
}

// The songs again under more names, up to a full table: hard links cost no space.
QStringList fullTable(const QTemporaryDir &dir, const QStringList &songs) {
    QStringList paths = songs;
    for (int i = songs.size(); i < TableRows; ++i) {
        const QString link = dir.filePath(QStringLiteral("链接 %1").arg(i));
        if (::link(QFile::encodeName(songs[i % songs.size()]).constData(),
                   QFile::encodeName(link).constData()) != 0)
            qFatal("cannot link %s", qPrintable(link));
        paths << link;
    }
    return paths;
}

double plainLoop(const QStringList &paths) {
    QElapsedTimer timer;
    timer.start();
    qint64 seconds = 0;
    for (const QString &path : paths) {
        const TagLib::FileRef file(QFile::encodeName(path).constData());
        if (!file.isNull() && file.tag() && file.audioProperties())
            seconds += file.audioProperties()->lengthInSeconds() + int(file.tag()->track());
    }
    if (seconds == 0)
        qFatal("the songs have no tags");
    return double(timer.nsecsElapsed()) / 1e9;
}

struct LoaderRun {
    double seconds = 0;
    double longestPause = 0;
    size_t cacheBytes = 0;
};

// The loader from the window's side: hand it every path, then run the event loop until it is
// done. The probe, a timer that notes the longest time between two turns of the loop, wakes the
// thread every millisecond, so the timed runs go without it.
LoaderRun loaderRun(const QStringList &paths, bool probed) {
    const size_t heapBefore = mallinfo2().uordblks;
    auto *loader = new TagLoader;
    QEventLoop loop;
    QObject::connect(loader, &TagLoader::finished, &loop, &QEventLoop::quit);
    QElapsedTimer sinceTurn;
    qint64 longestPause = 0;
    QTimer probe;
    probe.setInterval(1);
    QObject::connect(&probe, &QTimer::timeout,
                     [&] { longestPause = std::max(longestPause, sinceTurn.restart()); });

    QElapsedTimer timer;
    timer.start();
    sinceTurn.start();
    if (probed)
        probe.start();
    loader->load(paths);
    loop.exec();
    LoaderRun run{double(timer.nsecsElapsed()) / 1e9, double(longestPause), 0};
    if (loader->cache().count() != paths.size() || loader->tagsOf(paths[0]).title.isEmpty())
        qFatal("the loader missed songs");
    run.cacheBytes = mallinfo2().uordblks - heapBefore;
    delete loader;
    return run;
}

template <typename T> T median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QStringList songs = makeSongs(dir);
    plainLoop(songs);

    std::vector<double> baselines, loads;
    for (int round = 0; round < Rounds; ++round) {
        baselines.push_back(plainLoop(songs));
        loads.push_back(loaderRun(songs, false).seconds);
    }
    const QStringList table = fullTable(dir, songs);
    std::vector<double> pauses;
    size_t cacheBytes = 0;
    for (int round = 0; round < Rounds; ++round) {
        const LoaderRun run = loaderRun(table, true);
        pauses.push_back(run.longestPause);
        cacheBytes = std::max(cacheBytes, run.cacheBytes);
    }
    const double baseline = median(baselines);
    const double loaded = median(loads);
    std::printf("%-52s %8.3f s\n", "baseline: one-thread TagLib loop, 10,000 songs", baseline);
    std::printf("%-52s %8.3f s  %6.2fx baseline\n", "loader on every core, 10,000 songs", loaded,
                loaded / baseline);
    std::printf("%-52s %8.1f ms\n", "longest pause of the loader's thread, 32,767 songs",
                median(pauses));
    std::printf("%-52s %8.1f MB, %zu B a song\n", "cache of 32,767 songs", double(cacheBytes) / 1e6,
                cacheBytes / TableRows);
    return 0;
}
