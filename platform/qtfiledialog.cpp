#include "platform/qtfiledialog.h"

#include <QApplication>
#include <QFileDialog>

namespace {

// "Desc|*.a|Desc|*.b" becomes Qt's "Desc (*.a)" entries. The description is shown as it stands;
// "*.*" matches every file, names without a dot included, as users expect of it.
QStringList nameFilters(const QString &filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts[i + 1];
        pattern.replace(QStringLiteral("*.*"), QStringLiteral("*"));
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        result << parts[i] + QStringLiteral(" (") + pattern + QLatin1Char(')');
    }
    return result;
}

QStringList runDialog(QFileDialog &dialog, const FileDialogRequest &request) {
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(nameFilters(request.filter));
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

} // namespace

QStringList QtFileDialog::showOpen(const FileDialogRequest &request) {
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode((request.flags & CommonDialog::AllowMultiSelect) ? QFileDialog::ExistingFiles
                                                                        : QFileDialog::AnyFile);
    return runDialog(dialog, request);
}

SaveChoice QtFileDialog::showSave(const FileDialogRequest &request) {
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!(request.flags & CommonDialog::OverwritePrompt))
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // The dialog adds the chosen filter's extension itself, so that its overwrite prompt asks
    // about the file that will be written.
    const auto chosenFilter = [&dialog] {
        return int(dialog.nameFilters().indexOf(dialog.selectedNameFilter()));
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&] {
        dialog.setDefaultSuffix(filterExtension(request.filter, chosenFilter()).mid(1));
    });
    dialog.setDefaultSuffix(filterExtension(request.filter, 0).mid(1));
    const QStringList chosen = runDialog(dialog, request);
    return {chosen.value(0), chosenFilter()};
}
