#pragma once

#include <QString>

class QWidget;

// The operating system's folder picker. Tests replace it with a scripted fake.
class FolderPicker {
public:
    virtual ~FolderPicker() = default;
    // The chosen folder's path, or an empty text when the user cancelled or chose something
    // that is no folder of the file system.
    virtual QString chooseFolder(QWidget *owner) = 0;
};
