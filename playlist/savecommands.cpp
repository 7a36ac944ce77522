#include "playlist/savecommands.h"

#include "app/apptexts.h"
#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "platform/platform.h"
#include "playlist/playlistfile.h"
#include "playlist/playlisttexts.h"

namespace {

// The save dialog with the playlist filter and the overwrite prompt, preset with initialName;
// returns the dialog's file name, which is the preset when the user cancelled.
QString askSaveTarget(frmmain &form, const QString &initialName) {
    CommonDialog &cd = form.cd;
    cd.Filter = PlaylistTexts::saveFilter();
    cd.FileName = initialName;
    cd.Flags = CommonDialog::OverwritePrompt;
    cd.ShowSave();
    return cd.FileName;
}

} // namespace

bool WritePlaylist(frmmain &form, const QString &target) {
    WriteOptions options;
    if (form.saveRelative())
        options.relative = WriteOptions::Relative::Always;
    const Result<void> written = savePlaylistFile(target, form.model().entries(), options);
    if (written.ok())
        return true;
    form.platform().messageBoxes->showMessage(&form, written.error(), AppTexts::title(),
                                              MessageIcon::Warning);
    return false;
}

QString saveTarget(frmmain &form) {
    const QString newListName = AppTexts::newListName();
    if (form.listname != newListName)
        return form.listname;
    const QString chosen = askSaveTarget(form, newListName);
    return chosen == newListName ? QString() : chosen;
}

void saveList(frmmain &form) {
    const QString target = saveTarget(form);
    if (target.isEmpty() || !WritePlaylist(form, target))
        return;
    form.setListName(target);
    form.saved = true;
    form.edited = false;
}

void saveListAs(frmmain &form) {
    const QString target = askSaveTarget(form, QString());
    if (!target.isEmpty())
        WritePlaylist(form, target);
}
