#pragma once

#include <QString>
#include <QStringList>

class frmmain;

// What the program's command line asks for: an answer on the terminal, or the window with an
// optional playlist.
struct CommandLine {
    // Printed instead of opening the window: help or version on standard output with exit
    // status 0, a usage error on standard error with status 2. Empty when the window opens.
    QString reply;
    int exitStatus = 0;
    // The playlist to open in the window, as an absolute path; empty for none.
    QString file;
};

// Reads the arguments as main gets them, the program's name first. Help and version win over
// anything else, so they answer even beside options that only Qt knows.
CommandLine readCommandLine(const QStringList &arguments);

// Prints the reply where it belongs and answers the exit status.
int printReply(const CommandLine &commandLine);

// The window's start: opens the command line's playlist as Open would; a message says why
// when it cannot.
void startWith(frmmain &window, const CommandLine &commandLine);
