#pragma once

class QString;

// Starts a program file on its own, in a normal window of its own.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    // False when the program could not be started (no such file, not executable, empty path).
    virtual bool start(const QString &program) = 0;
};
