#pragma once

#include "playlist/entrylocations.h"
#include "playlist/playlistentry.h"
#include "playlist/result.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QCommandLineParser;
struct LoadedPlaylist;

// How vantrel-list ends, for scripts to tell the cases apart.
namespace ExitStatus {
inline constexpr int Success = 0;
// check left missing entries in the list.
inline constexpr int MissingEntries = 1;
inline constexpr int BadUsage = 2;
// An input that cannot be read or is not what it should be: a list, a folder.
inline constexpr int BadInput = 3;
inline constexpr int WriteFailed = 4;
// Stopped by Ctrl-C, as shells report a command that SIGINT ended.
inline constexpr int Interrupted = 130;
} // namespace ExitStatus

// The commands. Each takes the arguments from its own name on and answers the exit status.
int findCommand(const QStringList &arguments);
int convertCommand(const QStringList &arguments);
int checkCommand(const QStringList &arguments);
int showCommand(const QStringList &arguments);
int exportCommand(const QStringList &arguments);

// How messages name the tool.
inline const QString ToolName = QStringLiteral("vantrel-list");
// Where a list written to standard output is named on the command line.
inline const QString StandardOutput = QStringLiteral("-");

// What is wrong with the options of arguments that parser could not read, in the tool's words.
QString optionProblem(const QCommandLineParser &parser, const QList<QCommandLineOption> &options,
                      const QStringList &arguments);

// Reads a command's arguments, its name first, with its options and a --help of its own.
// Answers an exit status when the command ends here: after its help, or after a usage error.
std::optional<int> readArguments(QCommandLineParser &parser, const QStringList &arguments,
                                 const QList<QCommandLineOption> &options, const QString &help,
                                 int positionalCount);

// Tells message on standard error.
void tell(const QString &message);
// Tells message on standard error and answers status.
int fail(int status, const QString &message);

// The clean absolute path of a path given on the command line, so that messages name it whole.
QString absolutePath(const QString &path);

// Nothing for standard output or a target of a format that Vantrel writes; else the status after
// the usage error was told, before any work is done.
std::optional<int> refuseUnknownFormat(const QString &target);

// Loads the list named on the command line, as Open does; every failure names the file.
Result<LoadedPlaylist> loadList(const QString &argument);

// The clean absolute path of a folder that can be listed, or the window's message for it.
Result<QString> listableFolder(const QString &location);

// The tags of every local file of rows, read on every core, for the rows to look up.
TagsOf tagsOfFiles(const std::vector<PlaylistEntry> &rows);

// Writes rows to target as the window saves them, or as M3U to standard output; answers the
// exit status after telling what failed.
int writeRows(const QString &target, const std::vector<PlaylistEntry> &rows,
              const WriteOptions &options = {});

// Writes bytes to standard output; answers the exit status after telling what failed.
int printOutput(const QByteArray &bytes);
