#pragma once

#include "platform/folderpicker.h"

// The toolkit's file dialog in folder mode.
class QtFolderPicker : public FolderPicker {
public:
    QString chooseFolder(QWidget *owner) override;
};
