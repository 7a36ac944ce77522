#include "media/addfiles.h"

#include "app/apptexts.h"
#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "media/filequery.h"
#include "media/mediatexts.h"
#include "platform/platform.h"

#include <QDir>
#include <QFileInfo>

namespace {

// How many different paths of the selection the table does not list yet, each taken as the file
// query names it.
int newPathCount(const QStringList &paths, const QSet<QString> &listed) {
    QSet<QString> fresh;
    for (const QString &path : paths) {
        const QString clean = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
        if (!listed.contains(clean))
            fresh.insert(clean);
    }
    return int(fresh.size());
}

// Adds the selection's new files; stops at the first path without a file.
void addSelection(frmmain &form, QSet<QString> listed) {
    FileQuery query;
    for (const QString &path : std::as_const(form.cd.Selection)) {
        std::optional<PlaylistEntry> entry = query.entryFor(path);
        if (!entry)
            return;
        if (listed.contains(entry->path))
            continue;
        listed.insert(entry->path);
        form.model().insertEntry(form.insertpos - 1, std::move(*entry));
    }
}

void tellTooMany(frmmain &form) {
    form.platform().messageBoxes->showMessage(&form, MediaTexts::tooManyFiles(), AppTexts::title(),
                                              MessageIcon::None);
}

} // namespace

void addFiles(frmmain &form) {
    form.rowsMayChange();
    PlaylistModel &model = form.model();
    const int rowCount = model.rowCount();
    // A full table takes nothing, and says so before any dialog.
    if (rowCount >= MaxRows) {
        tellTooMany(form);
        return;
    }
    form.insertpos = rowCount + 1;

    CommonDialog &cd = form.cd;
    cd.FileName.clear();
    cd.Filter = MediaTexts::addFilter();
    cd.Flags = CommonDialog::AllowMultiSelect;
    cd.ShowOpen();
    if (cd.FileName.isEmpty())
        return;
    QSet<QString> listed = model.paths();
    if (rowCount + newPathCount(cd.Selection, listed) > MaxRows) {
        tellTooMany(form);
        return;
    }

    // Rows added before a failure stay; the status and the row commands follow the table
    // either way.
    model.beginGroupedChange();
    addSelection(form, std::move(listed));
    model.endGroupedChange();
    form.updaterowcommands();
    form.showcount();
}
