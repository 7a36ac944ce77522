#pragma once

#include <QString>

class QWidget;

enum class MessageIcon { None, Question, Warning };
enum class MessageAnswer { Yes, No, Cancel };

// Modal message boxes of the operating system. Tests replace them with a scripted fake.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // A box with an OK button only.
    virtual void showMessage(QWidget *owner, const QString &text, const QString &title,
                             MessageIcon icon) = 0;
    // A box with Yes, No and Cancel, Yes the default; closing it counts as Cancel.
    virtual MessageAnswer askYesNoCancel(QWidget *owner, const QString &text, const QString &title,
                                         MessageIcon icon) = 0;
};
