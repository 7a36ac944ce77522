#pragma once

class QUrl;
class QWidget;

// Hands a file, web address or mail link to the user's default program for it.
class Shell {
public:
    virtual ~Shell() = default;
    // owner is the window whose command asks for the target. False when no program could be
    // asked to open it.
    virtual bool open(QWidget *owner, const QUrl &target) = 0;
};
