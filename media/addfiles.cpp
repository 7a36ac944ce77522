#include "media/addfiles.h"

#include "app/apptexts.h"
#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "media/filequery.h"
#include "media/mediatexts.h"
#include "platform/platform.h"

namespace {

// Adds the selection's new files; stops at the first path without a file, or when the table
// is full.
void addSelection(frmmain &form) {
    PlaylistModel &model = form.model();
    FileQuery query;
    for (const QString &path : std::as_const(form.cd.Selection)) {
        const std::optional<PlaylistEntry> entry = query.entryFor(path);
        if (!entry)
            return;
        if (model.containsPath(entry->path))
            continue;
        if (model.rowCount() >= MaxRows)
            return;
        model.insertEntry(form.insertpos - 1, *entry);
    }
}

} // namespace

void addFiles(frmmain &form) {
    form.saved = false;
    const int rowCount = form.model().rowCount();
    if (rowCount >= MaxRows)
        return;
    form.insertpos = rowCount + 1;

    CommonDialog &cd = form.cd;
    cd.FileName.clear();
    cd.Filter = MediaTexts::addFilter();
    cd.Flags = CommonDialog::AllowMultiSelect;
    if (cd.ShowOpen() == CommonDialog::BufferTooSmallError) {
        form.platform().messageBoxes->showMessage(&form, MediaTexts::tooManyFiles(),
                                                  AppTexts::title(), MessageIcon::None);
        return;
    }
    if (cd.FileName.isEmpty())
        return;

    // Rows added before a failure stay; the status and the row commands follow the table
    // either way.
    addSelection(form);
    form.updaterowcommands();
    form.showcount();
}
