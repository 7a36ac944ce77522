#include "listtool/listcommands.h"
#include "listtool/listtooltexts.h"
#include "platform/interruptsignal.h"
#include "platform/standardstreams.h"
#include "playlist/exporttexts.h"
#include "playlist/listexport.h"
#include "playlist/playlistfile.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFileInfo>

namespace {

// The file at hand on a terminal: one line, redrawn in place a few times a second. An export
// that ends within half a second shows nothing.
class ExportProgressLine {
public:
    ExportProgressLine()
        : m_terminal(StandardStreams::errorIsTerminal()) {
        m_clock.start();
    }

    void update(const ExportProgress &at) {
        if (!m_terminal || m_clock.elapsed() < m_nextUpdate)
            return;
        m_nextUpdate = m_clock.elapsed() + 100;
        m_shown = true;
        StandardStreams::writeError(u'\r' + ListToolTexts::exportProgress(at.done, at.total) +
                                    QStringLiteral("\033[K"));
    }

    // Erases the line, so that what follows starts on a clean one.
    void clear() {
        if (m_shown)
            StandardStreams::writeError(QStringLiteral("\r\033[K"));
        m_shown = false;
    }

private:
    bool m_terminal;
    bool m_shown = false;
    QElapsedTimer m_clock;
    qint64 m_nextUpdate = 500;
};

int statusFor(FailureKind kind) {
    switch (kind) {
    case FailureKind::Stopped:
        return ExitStatus::Interrupted;
    case FailureKind::NotFound:
    case FailureKind::Unreadable:
    case FailureKind::NotRegular:
        return ExitStatus::BadInput;
    default:
        return ExitStatus::WriteFailed;
    }
}

} // namespace

int exportCommand(const QStringList &arguments) {
    QCommandLineParser parser;
    const QCommandLineOption flat(QStringLiteral("flat"));
    const QCommandLineOption windows(QStringLiteral("windows"));
    const QCommandLineOption tags(QStringLiteral("tags"));
    if (const std::optional<int> status =
            readArguments(parser, arguments, {flat, windows, tags}, ListToolTexts::exportHelp(), 2))
        return *status;
    const QStringList words = parser.positionalArguments();
    const Result<LoadedPlaylist> loaded = loadList(words[0]);
    if (!loaded.ok())
        return fail(ExitStatus::BadInput, loaded.error());

    const std::vector<PlaylistEntry> &rows = loaded.value().rows;
    ListExport job(rows, QFileInfo(words[0]).fileName(), absolutePath(words[1]),
                   {parser.isSet(flat), parser.isSet(windows),
                    parser.isSet(tags) ? tagsOfFiles(rows) : TagsOf()});
    const InterruptSignal interrupt;
    ExportProgressLine progress;
    const Result<ExportSummary> result = job.run([&](const ExportProgress &at) {
        progress.update(at);
        return !interrupt.raised();
    });
    progress.clear();
    if (!result.ok())
        return fail(statusFor(result.failure().kind), result.error());
    tell(ExportTexts::done(result.value()));
    return ExitStatus::Success;
}
