#include "platform/qtmessageboxes.h"

#include <QMessageBox>

namespace {

QMessageBox::Icon toQt(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void QtMessageBoxes::showMessage(QWidget *owner, const QString &text, const QString &title,
                                 MessageIcon icon) {
    QMessageBox box(toQt(icon), title, text, QMessageBox::Ok, owner);
    box.exec();
}

MessageAnswer QtMessageBoxes::askYesNoCancel(QWidget *owner, const QString &text,
                                             const QString &title, MessageIcon icon) {
    QMessageBox box(toQt(icon), title, text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, owner);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return MessageAnswer::Cancel;
    }
}
