#pragma once

#include "platform/commondialog.h"

// The file dialog of the toolkit, parented to the active window.
class QtFileDialog : public FileDialogBackend {
public:
    QStringList showOpen(const FileDialogRequest &request) override;
    SaveChoice showSave(const FileDialogRequest &request) override;
};
