#pragma once

#include "platform/shell.h"

// The desktop's URL handlers (xdg-open and friends).
class QtShell : public Shell {
public:
    bool open(QWidget *owner, const QUrl &target) override;
};
