#include "platform/commondialog.h"

#include "platform/codepage.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {

int byteLength(const QString &text, const CodePage &codePage) {
    const auto bytes = codePage.encode(text);
    return int(bytes ? bytes->size() : text.toUtf8().size());
}

} // namespace

CommonDialog::CommonDialog(FileDialogBackend &backend, const CodePage &codePage)
    : m_backend(backend)
    , m_codePage(codePage) {}

int CommonDialog::ShowOpen() {
    Selection.clear();
    const QStringList chosen = m_backend.showOpen(request());
    if (chosen.isEmpty())
        return 0;
    if (selectionTextLength(chosen, m_codePage) > MaxFileSize)
        return BufferTooSmallError;
    Selection = chosen;
    FileName = chosen.first();
    return 0;
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

int selectionTextLength(const QStringList &paths, const CodePage &codePage) {
    if (paths.isEmpty())
        return 1;
    if (paths.size() == 1)
        return byteLength(paths.first(), codePage) + 1;
    int length = byteLength(QFileInfo(paths.first()).path(), codePage);
    for (const QString &path : paths)
        length += 1 + byteLength(QFileInfo(path).fileName(), codePage);
    return length + 1;
}
