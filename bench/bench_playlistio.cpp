// Opens a PLS, an M3U and a GBK M3U of 32,766 entries that name real files, and saves each again,
// through the real commands of the main window. The baseline is a plain stat() of the same files.
#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "platform/codepage.h"
#include "platform/localtimezone.h"
#include "platform/platform.h"
#include "playlist/opencommand.h"
#include "playlist/savecommands.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <cstdio>
#include <functional>

namespace {

constexpr int EntryCount = 32766;
constexpr int FilesPerFolder = 256;
constexpr int Rounds = 3;

// Answers every dialog with the next path.
class ScriptedDialog : public FileDialogBackend {
public:
    QString next;
    QStringList showOpen(const FileDialogRequest &) override { return {next}; }
    SaveChoice showSave(const FileDialogRequest &) override { return {next}; }
};

// A message means the scenario failed: print it and stop.
class FailingMessages : public MessageBoxes {
public:
    void showMessage(QWidget *, const QString &text, const QString &, MessageIcon) override {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(text));
        std::exit(1);
    }
    MessageAnswer askYesNoCancel(QWidget *, const QString &text, const QString &,
                                 MessageIcon) override {
        std::fprintf(stderr, "unexpected question: %s\n", qPrintable(text));
        std::exit(1);
    }
};

// The fastest of a few rounds, in milliseconds.
double bestOf(const std::function<void()> &run) {
    double best = 1e300;
    for (int round = 0; round < Rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        run();
        best = qMin(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

QStringList createMediaFiles(const QString &root) {
    QStringList paths;
    for (int i = 0; i < EntryCount; ++i) {
        const QString folder =
            root + QStringLiteral("/专辑 %1").arg(i / FilesPerFolder, 3, 10, QLatin1Char('0'));
        if (i % FilesPerFolder == 0)
            QDir().mkpath(folder);
        const QString path =
            folder + QStringLiteral("/歌曲 %1.mp3").arg(i, 5, 10, QLatin1Char('0'));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            std::exit(1);
        paths << path;
    }
    return paths;
}

void writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::exit(1);
}

} // namespace

int main(int argc, char *argv[]) {
    // As the program does: with TZ unset, glibc reads the zone file again for every date.
    pinLocalTimeZone();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QStringList paths = createMediaFiles(dir.path());

    QByteArray pls = "[playlist]\r\n";
    QByteArray m3u = "#EXTM3U\r\n";
    for (int i = 0; i < EntryCount; ++i) {
        const QByteArray path = paths[i].toUtf8();
        pls += "File" + QByteArray::number(i + 1) + '=' + path + "\r\n";
        m3u += path + "\r\n";
    }
    pls += "NumberOfEntries=" + QByteArray::number(EntryCount) + "\r\nVersion=2\r\n";
    writeFile(dir.filePath(QStringLiteral("list.pls")), pls);
    writeFile(dir.filePath(QStringLiteral("list.m3u")), m3u);
    // As Chinese Windows writes it: GB18030 and Windows-1252 both decode it, so Open looks up
    // which of the two names the files.
    writeFile(dir.filePath(QStringLiteral("gbk.m3u")),
              *CodePage("GBK").encode(QString::fromUtf8(m3u)));

    const double baseline = bestOf([&paths] {
        struct stat status;
        for (const QString &path : paths) {
            if (::stat(QFile::encodeName(path).constData(), &status) != 0)
                std::exit(1);
        }
    });

    auto *dialog = new ScriptedDialog;
    Platform platform = desktopPlatform();
    platform.fileDialog.reset(dialog);
    platform.messageBoxes = std::make_unique<FailingMessages>();
    frmmain form(platform);

    std::printf("%d entries naming real files; baseline stat() loop: %.1f ms\n", EntryCount,
                baseline);
    for (const char *name : {"list.pls", "list.m3u", "gbk.m3u"}) {
        const QString list = dir.filePath(QLatin1String(name));
        const QString format = QFileInfo(list).suffix();
        const double open = bestOf([&] {
            dialog->next = list;
            openList(form);
            if (form.model().rowCount() != EntryCount)
                std::exit(1);
        });
        const double save = bestOf([&] {
            dialog->next = dir.filePath(QStringLiteral("saved.") + format);
            saveListAs(form);
        });
        std::printf("open %s: %8.1f ms  (%.2f x baseline)\n", name, open, open / baseline);
        std::printf("save %s: %8.1f ms  (%.2f x baseline)\n", name, save, save / baseline);
    }
    return 0;
}
