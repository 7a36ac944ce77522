#pragma once

#include <QByteArray>
#include <QString>

// Standard output and standard error of a command-line program.
namespace StandardStreams {

// Puts /dev/null, open for reading only, where standard input, output or error is closed: the
// next file the program opens would take that number, and what is written "to standard output"
// would go into it. Writing to such a stream fails instead. Called first thing in main().
void reserveClosedStreams();

// Writes bytes to standard output and flushes them; 0, or the system's error number when not
// all of them got there (a full disk behind a redirection, for example).
int writeOutput(const QByteArray &bytes);

// Writes text to standard error as UTF-8.
void writeError(const QString &text);

// Whether standard error is a terminal, where a line can be redrawn in place.
bool errorIsTerminal();

} // namespace StandardStreams
