// Opens an ASX whose one entry is a 60 MB path, through the window's own Open, and paints the
// window, as a user would see it. The baseline is reading and decoding the same file's bytes.
#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "platform/platform.h"
#include "playlist/opencommand.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr qsizetype PathBytes = 60 * 1000 * 1000;

// Open says once that the entry names no file; anything else means the scenario failed.
class CountingMessages : public MessageBoxes {
public:
    int shown = 0;
    void showMessage(QWidget *, const QString &, const QString &, MessageIcon) override { ++shown; }
    MessageAnswer askYesNoCancel(QWidget *, const QString &text, const QString &,
                                 MessageIcon) override {
        std::fprintf(stderr, "unexpected question: %s\n", qPrintable(text));
        std::exit(1);
    }
};

double millisecondsOf(QElapsedTimer &timer) {
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString list = dir.filePath(QStringLiteral("long.asx"));
    {
        QFile file(list);
        const QByteArray bytes =
            "<asx><entry><ref href=\"/" + QByteArray(PathBytes, 'x') + ".mp3\"/></entry></asx>";
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return 1;
    }

    QElapsedTimer timer;
    timer.start();
    QFile file(list);
    if (!file.open(QIODevice::ReadOnly) || QString::fromUtf8(file.readAll()).isEmpty())
        return 1;
    const double baseline = millisecondsOf(timer);

    Platform platform = desktopPlatform();
    auto *messages = new CountingMessages;
    platform.messageBoxes.reset(messages);
    frmmain form(platform);
    form.show();
    timer.restart();
    openPlaylist(form, list);
    const double opened = millisecondsOf(timer);
    form.grab();
    const double painted = millisecondsOf(timer);
    if (form.model().rowCount() != 1 || messages->shown != 1)
        return 1;
    std::printf("An ASX with one 60 MB path; baseline reading and decoding it: %.0f ms\n",
                baseline);
    std::printf("Open: %.0f ms (%.2fx), and the window painted: %.0f ms (%.2fx)\n", opened,
                opened / baseline, painted, painted / baseline);
    return 0;
}
