#pragma once

#include "platform/programlauncher.h"

// A detached process, so the program outlives this one.
class QtProgramLauncher : public ProgramLauncher {
public:
    bool start(const QString &program) override;
};
