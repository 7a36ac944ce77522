#include "playlist/savecommands.h"

#include "app/apptexts.h"
#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "platform/platform.h"
#include "playlist/playlistfile.h"
#include "playlist/playlistformat.h"
#include "playlist/playlisttexts.h"

#include <QFileInfo>

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
    const Result<void> written =
        savePlaylistFile(target, form.model().entries(), form.writeOptions());
    if (written.ok())
        return true;
    form.platform().messageBoxes->showMessage(&form, written.error(), AppTexts::title(),
                                              MessageIcon::Warning);
    return false;
}

QString saveTarget(frmmain &form) {
    const QString newListName = AppTexts::newListName();
    if (form.listname != newListName && formatOf(form.listname))
        return form.listname;
    // A list opened from a file whose extension names no format that Vantrel writes ("list.php")
    // is saved as one it writes: the dialog offers its name without that extension.
    QString initialName = newListName;
    if (form.listname != newListName) {
        const QFileInfo list(form.listname);
        initialName = list.completeBaseName().isEmpty()
                          ? form.listname
                          : list.dir().filePath(list.completeBaseName());
    }
    const QString chosen = askSaveTarget(form, initialName);
    return chosen == initialName ? QString() : chosen;
}

void saveList(frmmain &form) {
    const QString target = saveTarget(form);
    if (target.isEmpty() || !WritePlaylist(form, target))
        return;
    form.listSaved(target);
}

void saveListAs(frmmain &form) {
    const QString target = askSaveTarget(form, QString());
    if (!target.isEmpty())
        WritePlaylist(form, target);
}
