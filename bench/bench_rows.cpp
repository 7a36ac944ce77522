// Builds a full table of 32,767 rows from real files, the way every command that adds rows
// does, and compares it with reading the same files' metadata with a plain stat loop.

#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "media/filequery.h"
#include "platform/localtimezone.h"
#include "platform/platform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeView>

#include <sys/stat.h>

#include <cstdio>

namespace {

double secondsOf(const std::function<void()> &work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e9;
}

void report(const char *what, double seconds, double baseline) {
    std::printf("%-44s %8.3f s  %6.1fx baseline\n", what, seconds, seconds / baseline);
}

} // namespace

int main(int argc, char *argv[]) {
    pinLocalTimeZone();
    QApplication app(argc, argv);

    const char *suffixes[] = {".mp3", ".ogg", ".wav", ".flac", ".wma", ".rm", ".mp4", ".avi"};
    QTemporaryDir dir;
    QStringList paths;
    for (int i = 0; i < MaxRows; ++i) {
        const QString path =
            dir.filePath(QStringLiteral("节目 %1%2").arg(i).arg(QLatin1String(suffixes[i % 8])));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot create %s", qPrintable(path));
        paths << path;
    }

    const double baseline = secondsOf([&] {
        struct stat info;
        for (const QString &path : std::as_const(paths))
            stat(QFile::encodeName(path).constData(), &info);
    });
    std::printf("%-44s %8.3f s\n", "baseline: stat of 32,767 files", baseline);

    FileQuery query;
    std::vector<PlaylistEntry> entries;
    entries.reserve(size_t(paths.size()));
    report("file query of 32,767 files", secondsOf([&] {
               for (const QString &path : std::as_const(paths))
                   entries.push_back(*query.entryFor(path));
           }),
           baseline);

    // Add puts every row of a run at one position; the model must not move whole rows for it.
    // One run of Add is one step of the history.
    PlaylistModel model;
    report("model: insert 32,767 rows at one position", secondsOf([&] {
               model.beginGroupedChange();
               for (const PlaylistEntry &entry : std::as_const(entries))
                   model.insertEntry(0, entry);
               model.endGroupedChange();
           }),
           baseline);
    report("model: undo that insert", secondsOf([&] { model.undo(); }), baseline);

    // Open and the search append their rows to the shown table.
    Platform platform = desktopPlatform();
    frmmain window(platform);
    window.show();
    report("window: append 32,767 rows and paint", secondsOf([&] {
               window.model().beginGroupedChange();
               for (PlaylistEntry &entry : entries)
                   window.model().insertEntry(window.model().rowCount(), std::move(entry));
               window.model().endGroupedChange();
               QCoreApplication::processEvents();
           }),
           baseline);
    return 0;
}
