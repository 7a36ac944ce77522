#include "listtool/listcommands.h"
#include "listtool/listtooltexts.h"
#include "media/folderwalk.h"
#include "media/mediatexts.h"
#include "media/patternset.h"
#include "platform/standardstreams.h"

#include <QCommandLineParser>
#include <QElapsedTimer>

namespace {

// The count of a long walk on a terminal: one line, redrawn in place a few times a second. A
// walk that ends within half a second shows nothing.
class FindProgress {
public:
    FindProgress()
        : m_terminal(StandardStreams::errorIsTerminal()) {
        m_clock.start();
    }

    void update(int examined, int found) {
        // The clock is read once every so many files.
        if (!m_terminal || examined % 256 != 0 || m_clock.elapsed() < m_nextUpdate)
            return;
        m_nextUpdate = m_clock.elapsed() + 100;
        m_shown = true;
        StandardStreams::writeError(u'\r' + ListToolTexts::progress(examined, found) +
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

} // namespace

int findCommand(const QStringList &arguments) {
    QCommandLineParser parser;
    const QCommandLineOption pattern(QStringList{QStringLiteral("p"), QStringLiteral("pattern")},
                                     QString(), QStringLiteral("pattern"));
    const QCommandLineOption noSubfolders(QStringLiteral("no-subfolders"));
    const QCommandLineOption relative(QStringLiteral("relative"));
    const QCommandLineOption tags(QStringLiteral("tags"));
    const QCommandLineOption output(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                    QString(), QStringLiteral("list"));
    if (const std::optional<int> status =
            readArguments(parser, arguments, {pattern, noSubfolders, relative, tags, output},
                          ListToolTexts::findHelp(), 1))
        return *status;
    if (!parser.isSet(output))
        return fail(ExitStatus::BadUsage, ListToolTexts::noOutput());
    const QString target = parser.value(output) == StandardOutput
                               ? StandardOutput
                               : absolutePath(parser.value(output));
    if (const std::optional<int> status = refuseUnknownFormat(target))
        return *status;

    // Without a pattern, the search window's first one.
    QStringList patternTexts = parser.values(pattern);
    if (patternTexts.isEmpty())
        patternTexts << MediaTexts::patternList().first();
    const PatternSet patterns(patternTexts);
    if (!patterns.invalid().isEmpty())
        return fail(ExitStatus::BadUsage,
                    ListToolTexts::invalidPattern(patterns.invalid().first()));
    const Result<QString> folder = listableFolder(absolutePath(parser.positionalArguments()[0]));
    if (!folder.ok())
        return fail(ExitStatus::BadInput, folder.error());

    // Room for every find up front: growing the rows step by step costs more than the walk's
    // own work per find.
    std::vector<PlaylistEntry> rows;
    rows.reserve(MaxRows + 1);
    int examined = 0;
    FindProgress progress;
    // Only the name and the path of a find reach the list file. A list holds MaxRows entries:
    // one find more ends the walk.
    const auto visit = [&](const QString &folder, const QString &name) {
        progress.update(++examined, int(rows.size()));
        if (!patterns.matches(name))
            return true;
        PlaylistEntry row;
        row.name = name;
        row.path = folder + name;
        rows.push_back(std::move(row));
        return rows.size() <= size_t(MaxRows);
    };
    FolderWalk walk({visit, {}}, !parser.isSet(noSubfolders));
    walk.run(folder.value());
    progress.clear();
    if (walk.skippedNames() > 0)
        tell(MediaTexts::skippedNames(walk.skippedNames()));
    if (rows.size() > size_t(MaxRows))
        return fail(ExitStatus::BadInput, ListToolTexts::tooManyFinds(folder.value(), MaxRows));
    WriteOptions options;
    if (parser.isSet(relative))
        options.relative = WriteOptions::Relative::Always;
    if (parser.isSet(tags))
        options.tagsOf = tagsOfFiles(rows);
    return writeRows(target, rows, options);
}
