#pragma once

class QUrl;
class QWidget;

// Hands a file, web address or mail link to the user's default program for it. Whether that
// worked is the desktop's business: the caller neither learns nor reports it.
class Shell {
public:
    virtual ~Shell() = default;
    // owner is the window whose command asks for the target.
    virtual void open(QWidget *owner, const QUrl &target) = 0;
};
