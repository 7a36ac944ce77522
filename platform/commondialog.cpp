#include "platform/commondialog.h"

CommonDialog::CommonDialog(FileDialogBackend &backend)
    : m_backend(backend) {}

void CommonDialog::ShowOpen() {
    Selection = m_backend.showOpen(request());
    if (!Selection.isEmpty())
        FileName = Selection.first();
}

void CommonDialog::ShowSave() {
    const QString chosen = m_backend.showSave(request());
    if (!chosen.isEmpty())
        FileName = chosen;
}

FileDialogRequest CommonDialog::request() const {
    return {FileName, Filter, Flags};
}
