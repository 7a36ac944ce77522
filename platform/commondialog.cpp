#include "platform/commondialog.h"

#include <QFileInfo>
#include <QRegularExpression>

CommonDialog::CommonDialog(FileDialogBackend &backend)
    : m_backend(backend) {}

void CommonDialog::ShowOpen() {
    Selection = m_backend.showOpen(request());
    if (!Selection.isEmpty())
        FileName = Selection.first();
}

void CommonDialog::ShowSave() {
    const SaveChoice chosen = m_backend.showSave(request());
    if (chosen.path.isEmpty())
        return;
    FileName = chosen.path;
    if (!QFileInfo(FileName).fileName().contains(QLatin1Char('.')))
        FileName += filterExtension(Filter, chosen.filterIndex);
}

FileDialogRequest CommonDialog::request() const {
    return {FileName, Filter, Flags};
}

QString filterExtension(const QString &filter, int index) {
    static const QRegularExpression oneExtension(QStringLiteral("^\\*(\\.[^*?;.]+)$"));
    const QString pattern = filter.section(QLatin1Char('|'), 2 * index + 1, 2 * index + 1);
    return oneExtension.match(pattern).captured(1);
}
