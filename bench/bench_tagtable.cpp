// The tags from the window's side: a full table of 32,767 rows, shown, whose tags the model reads
// as a list opens. Reports the longest pause of the window's event loop while they are read (a
// timer probe) and the heap the tags add, against the same table whose files hold no tags.
#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "bench/testsongs.h"
#include "media/tagloader.h"
#include "platform/platform.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Files a folder, as a music library keeps them.
constexpr int Songs = 300;

void write(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// A full table of songs: copies of the test songs, or files of the same names that hold no tags.
std::vector<PlaylistEntry> table(const QTemporaryDir &dir, bool tagged) {
    std::array<QByteArray, 3> songs = testSongs();
    if (!tagged)
        songs.fill(QByteArray(4096, 'x'));
    std::vector<PlaylistEntry> rows;
    for (int i = 0; i < MaxRows; ++i) {
        const QString suffix = SongSuffixes[i % 3];
        const QString folder = dir.filePath(QString::number(i / Songs));
        if (i % Songs == 0 && !QDir().mkpath(folder))
            qFatal("cannot make %s", qPrintable(folder));
        const QString name = QStringLiteral("歌曲 %1.%2").arg(i).arg(suffix);
        const QString path = folder + QLatin1Char('/') + name;
        write(path, songs[i % 3]);
        rows.push_back({name, QString::number(songs[i % 3].size()), path,
                        suffix.toUpper() + QStringLiteral(" 音频"),
                        QStringLiteral("2024/5/1 12:00:00")});
    }
    return rows;
}

struct Reading {
    double seconds = 0;
    qint64 longestPause = 0;
    size_t heap = 0;
};

// Opens the rows in the shown window and turns its event loop until every tag is read, with a
// timer noting the longest time between two of its turns.
Reading readAll(frmmain &form, std::vector<PlaylistEntry> rows) {
    PlaylistModel &model = form.model();
    QEventLoop loop;
    const auto connection =
        QObject::connect(&model.tagLoader(), &TagLoader::finished, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    model.replaceEntries(std::move(rows));
    QApplication::processEvents();

    QElapsedTimer sinceTurn;
    qint64 longestPause = 0;
    QTimer probe;
    probe.setInterval(1);
    QObject::connect(&probe, &QTimer::timeout,
                     [&] { longestPause = std::max(longestPause, sinceTurn.restart()); });
    sinceTurn.start();
    probe.start();
    loop.exec();
    probe.stop();
    QObject::disconnect(connection);
    QApplication::processEvents();
    return {double(timer.nsecsElapsed()) / 1e9, longestPause, mallinfo2().uordblks};
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    Platform platform = desktopPlatform();
    frmmain form(platform);
    form.show();
    QApplication::processEvents();

    // The same paths each time, so that the session's cache holds one entry a file and the heap
    // of the tagged table differs from the untagged one by the tags alone.
    QTemporaryDir dir;
    const Reading untagged = readAll(form, table(dir, false));
    const Reading tagged = readAll(form, table(dir, true));
    if (form.model().tagsOf(0).title.isEmpty())
        qFatal("the songs have no tags");

    const double heapMb = (double(tagged.heap) - double(untagged.heap)) / 1e6;
    std::printf("%-56s %8.2f s\n", "32,767 rows whose files hold no tags", untagged.seconds);
    std::printf("%-56s %8.2f s\n", "32,767 tagged rows", tagged.seconds);
    std::printf("%-56s %8lld ms\n", "longest pause of the window, tags being read",
                tagged.longestPause);
    std::printf("%-56s %8.1f MB\n", "heap of the tagged table against the untagged one", heapMb);
    return 0;
}
