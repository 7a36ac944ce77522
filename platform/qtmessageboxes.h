#pragma once

#include "platform/messageboxes.h"

class QtMessageBoxes : public MessageBoxes {
public:
    void showMessage(QWidget *owner, const QString &text, const QString &title,
                     MessageIcon icon) override;
    MessageAnswer askYesNoCancel(QWidget *owner, const QString &text, const QString &title,
                                 MessageIcon icon) override;
};
