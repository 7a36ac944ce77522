// Times the export of a list of 2,000 small files in 20 folders against cp -r of the same files,
// each into a fresh folder on the same file system, in the same run. The export flushes its file
// system before it is done, so cp -r is also timed with sync -f after it; and a copy that syncs
// every file on its own shows what fsync per file would cost instead of one syncfs.
//
//   bench_export [FOLDER]   works in a new folder inside FOLDER (a stick's, say), else in /tmp

#include "playlist/listexport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int Files = 2000;
constexpr int Folders = 20;
constexpr int Rounds = 3;

double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

bool run(const QString &program, const QStringList &arguments) {
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(-1) && process.exitCode() == 0;
}

// Copies every file with read and write, and fsync before each close.
bool copySyncingEach(const std::vector<PlaylistEntry> &rows, const QString &source,
                     const QString &target) {
    QByteArray buffer(1 << 16, Qt::Uninitialized);
    for (const PlaylistEntry &row : rows) {
        const QString to = target + row.path.mid(source.size());
        QDir().mkpath(to.left(to.lastIndexOf(u'/')));
        const int in = ::open(QFile::encodeName(row.path).constData(), O_RDONLY);
        const int out = ::open(QFile::encodeName(to).constData(), O_WRONLY | O_CREAT, 0666);
        ssize_t count = 0;
        bool written = true;
        while (written && (count = ::read(in, buffer.data(), size_t(buffer.size()))) > 0)
            written = ::write(out, buffer.constData(), size_t(count)) == count;
        const bool synced = written && ::fsync(out) == 0;
        ::close(in);
        ::close(out);
        if (!synced)
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const QString under = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    QTemporaryDir dir(under + QStringLiteral("/bench_export-XXXXXX"));
    const QString source = dir.filePath(QStringLiteral("music"));
    std::vector<PlaylistEntry> rows;
    qint64 bytes = 0;
    for (int i = 0; i < Files; ++i) {
        const QString folder = source + QStringLiteral("/album %1").arg(i % Folders);
        QDir().mkpath(folder);
        PlaylistEntry row;
        row.name = QStringLiteral("track %1.mp3").arg(i);
        row.path = folder + u'/' + row.name;
        // 1 to 32 KiB, spread so that files of one folder differ.
        const QByteArray data((i * 7919) % (32 * 1024) + 1024, char('a' + i % 26));
        QFile file(row.path);
        if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
            return 1;
        bytes += data.size();
        rows.push_back(std::move(row));
    }
    std::printf("%d files in %d folders, %.1f MiB, on the file system of %s\n", Files, Folders,
                bytes / 1048576.0, qPrintable(dir.path()));
    // The sources in the page cache for every contender alike.
    run(QStringLiteral("cp"), {QStringLiteral("-r"), source, dir.filePath(QStringLiteral("warm"))});

    std::vector<double> exported, copied, copiedSynced, syncedEach;
    QElapsedTimer clock;
    for (int round = 0; round < Rounds; ++round) {
        const QString out = dir.filePath(QStringLiteral("export%1").arg(round));
        const QString cp = dir.filePath(QStringLiteral("cp%1").arg(round));
        const QString cpSync = dir.filePath(QStringLiteral("cpsync%1").arg(round));
        const QString each = dir.filePath(QStringLiteral("each%1").arg(round));
        run(QStringLiteral("sync"), {QStringLiteral("-f"), dir.path()});

        clock.start();
        ListExport job(rows, QStringLiteral("all.m3u8"), out, {});
        const Result<ExportSummary> result = job.run([](const ExportProgress &) { return true; });
        exported.push_back(clock.nsecsElapsed() / 1e9);
        if (!result.ok() || result.value().copied != Files)
            return std::fprintf(stderr, "%s\n", qPrintable(result.error())), 1;

        clock.start();
        run(QStringLiteral("cp"), {QStringLiteral("-r"), source, cp});
        copied.push_back(clock.nsecsElapsed() / 1e9);

        clock.start();
        run(QStringLiteral("cp"), {QStringLiteral("-r"), source, cpSync});
        run(QStringLiteral("sync"), {QStringLiteral("-f"), cpSync});
        copiedSynced.push_back(clock.nsecsElapsed() / 1e9);

        clock.start();
        if (!copySyncingEach(rows, source, each))
            return 1;
        syncedEach.push_back(clock.nsecsElapsed() / 1e9);

        for (const QString &folder : {out, cp, cpSync, each})
            QDir(folder).removeRecursively();
    }

    const double exportTime = median(exported), cpTime = median(copied);
    const double cpSyncTime = median(copiedSynced), eachTime = median(syncedEach);
    std::printf("median of %d rounds:\n", Rounds);
    std::printf("cp -r:                           %7.3f s\n", cpTime);
    std::printf("cp -r, then sync -f:             %7.3f s\n", cpSyncTime);
    std::printf("export (flushed by syncfs):      %7.3f s  ratio %.2fx cp -r, %.2fx cp -r + "
                "sync -f (the goal)\n",
                exportTime, exportTime / cpTime, exportTime / cpSyncTime);
    std::printf("copy with fsync per file:        %7.3f s  ratio %.2fx cp -r + sync -f\n", eachTime,
                eachTime / cpSyncTime);
    return 0;
}
