#include "listtool/listcommands.h"

#include "listtool/listtooltexts.h"
#include "media/mediatexts.h"
#include "media/tagreading.h"
#include "platform/standardstreams.h"
#include "playlist/playlistfile.h"
#include "playlist/playlistformat.h"
#include "playlist/playlisttexts.h"
#include "playlist/playlistwriter.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace {

// QCommandLineParser names a misused option only in its English error text: the first
// "--name=value" given to an option that takes no value, else the last argument, which lacks
// its value.
QString valueProblem(const QList<QCommandLineOption> &options, const QStringList &arguments) {
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--"))
            break;
        const qsizetype equals = argument.indexOf(u'=');
        if (!argument.startsWith(QLatin1String("--")) || equals < 0)
            continue;
        const QString name = argument.mid(2, equals - 2);
        for (const QCommandLineOption &option : options) {
            if (option.valueName().isEmpty() && option.names().contains(name))
                return ListToolTexts::unexpectedValue(argument.left(equals));
        }
    }
    return ListToolTexts::missingValue(arguments.last());
}

} // namespace

QString optionProblem(const QCommandLineParser &parser, const QList<QCommandLineOption> &options,
                      const QStringList &arguments) {
    if (!parser.unknownOptionNames().isEmpty())
        return ListToolTexts::unknownOptions(parser.unknownOptionNames());
    return valueProblem(options, arguments);
}

std::optional<int> readArguments(QCommandLineParser &parser, const QStringList &arguments,
                                 const QList<QCommandLineOption> &options, const QString &help,
                                 int positionalCount) {
    const QCommandLineOption helpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    QList<QCommandLineOption> all = options;
    all << helpOption;
    parser.addOptions(all);
    const bool parsed = parser.parse(arguments);
    // Help wins over anything else on the line.
    if (parser.isSet(helpOption))
        return printOutput(help.toUtf8());

    const QString command = ToolName + u' ' + arguments.first();
    QString problem;
    if (!parsed)
        problem = optionProblem(parser, all, arguments);
    else if (parser.positionalArguments().size() != positionalCount)
        problem =
            ListToolTexts::argumentCount(positionalCount, int(parser.positionalArguments().size()));
    if (problem.isEmpty())
        return std::nullopt;
    StandardStreams::writeError(ListToolTexts::usageError(command, problem));
    return ExitStatus::BadUsage;
}

void tell(const QString &message) {
    StandardStreams::writeError(ListToolTexts::messageLine(message));
}

int fail(int status, const QString &message) {
    tell(message);
    return status;
}

QString absolutePath(const QString &path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

std::optional<int> refuseUnknownFormat(const QString &target) {
    if (target == StandardOutput || formatOf(target))
        return std::nullopt;
    return fail(ExitStatus::BadUsage, PlaylistTexts::unknownExtension(target));
}

Result<LoadedPlaylist> loadList(const QString &argument) {
    const QString path = absolutePath(argument);
    Result<LoadedPlaylist> loaded = loadPlaylistFile(path);
    // The window's "not a valid file" texts name no file: its dialog has just shown it.
    if (!loaded.ok() && loaded.failure().kind == FailureKind::NotPlaylist)
        return Failure{FailureKind::NotPlaylist, ListToolTexts::aboutFile(path, loaded.error())};
    return loaded;
}

Result<QString> listableFolder(const QString &location) {
    const QFileInfo folder(location);
    if (!folder.isDir() || !folder.isReadable())
        return Failure{folder.exists() ? FailureKind::Unreadable : FailureKind::NotFound,
                       MediaTexts::noFolder(location)};
    return absolutePath(location);
}

TagsOf tagsOfFiles(const std::vector<PlaylistEntry> &rows) {
    QStringList paths;
    for (const PlaylistEntry &row : rows) {
        if (row.kind == PlaylistEntry::Kind::File)
            paths << row.path;
    }
    paths.removeDuplicates();
    const QList<TrackTags> read = readTrackTagsOfAll(paths);
    QHash<QString, TrackTags> tags;
    tags.reserve(paths.size());
    for (qsizetype i = 0; i < paths.size(); ++i)
        tags.insert(paths[i], read[i]);
    return [tags](const PlaylistEntry &row) {
        return row.kind == PlaylistEntry::Kind::File ? tags.value(row.path) : TrackTags();
    };
}

int writeRows(const QString &target, const std::vector<PlaylistEntry> &rows,
              const WriteOptions &options) {
    if (target != StandardOutput) {
        const Result<void> saved = savePlaylistFile(target, rows, options);
        return saved.ok() ? ExitStatus::Success : fail(ExitStatus::WriteFailed, saved.error());
    }
    // Relative entries are written relative to the current folder.
    const Result<QByteArray> bytes =
        encodePlaylist(ListToolTexts::standardOutputName(), rows, options);
    if (!bytes.ok())
        return fail(ExitStatus::WriteFailed, bytes.error());
    return printOutput(bytes.value());
}

int printOutput(const QByteArray &bytes) {
    if (const int error = StandardStreams::writeOutput(bytes))
        return fail(ExitStatus::WriteFailed, ListToolTexts::outputFailed(error));
    return ExitStatus::Success;
}
