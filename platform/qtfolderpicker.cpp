#include "platform/qtfolderpicker.h"

#include <QFileDialog>

QString QtFolderPicker::chooseFolder(QWidget *owner) {
    QFileDialog dialog(owner);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}
