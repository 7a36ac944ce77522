#pragma once

#include <QString>
#include <QStringList>

// The texts of vantrel-list, the command-line tool: its help, its version, and its messages on
// standard error. Where the window has a message for the same thing, the tool uses the window's.
namespace ListToolTexts {

QString toolHelp();
QString findHelp();
QString convertHelp();
QString checkHelp();
QString showHelp();
QString exportHelp();
QString versionReply();

// One message on standard error: the tool's name, then the message.
QString messageLine(const QString &message);
// A message of the window that names no file, with the file it is about.
QString aboutFile(const QString &path, const QString &message);
// A usage error of command ("vantrel-list" alone, or with a command's name), and where to read
// the usage.
QString usageError(const QString &command, const QString &problem);

// The problems of a usage error.
QString noCommand();
QString unknownCommand(const QString &name);
QString unknownOptions(const QStringList &names);
QString missingValue(const QString &option);
QString unexpectedValue(const QString &option);
QString argumentCount(int expected, int given);
QString noOutput();
QString relativeAndAbsolute();
QString invalidPattern(const QString &pattern);

// find: what a list cannot hold, and the count shown while it runs on a terminal.
QString tooManyFinds(const QString &folder, int maximum);
QString progress(int examined, int found);
// export: the count shown while it runs on a terminal.
QString exportProgress(int done, int total);

// Standard output could not take what the tool wrote, for the system's error number.
QString outputFailed(int error);
// An argument that is not valid UTF-8, its undecodable bytes shown as U+FFFD.
QString notUtf8Argument(const QString &argument);
// How messages name standard output when a list is written there; its extension is the format.
QString standardOutputName();

} // namespace ListToolTexts
