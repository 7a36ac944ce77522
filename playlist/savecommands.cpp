#include "playlist/savecommands.h"

#include "app/apptexts.h"
#include "app/frmmain.h"
#include "platform/platform.h"
#include "playlist/playlistfile.h"
#include "playlist/playlisttexts.h"

bool WritePlaylist(frmmain &form, const QString &target) {
    const QString error = savePlaylistFile(target, form.model(), form.platform().codePage);
    if (error.isEmpty())
        return true;
    form.platform().messageBoxes->showMessage(&form, error, AppTexts::title(),
                                              MessageIcon::Warning);
    return false;
}

QString askSaveTarget(frmmain &form, const QString &initialName) {
    CommonDialog &cd = form.cd;
    cd.Filter = PlaylistTexts::dialogFilter();
    cd.FileName = initialName;
    cd.Flags = CommonDialog::OverwritePrompt;
    cd.ShowSave();
    return cd.FileName;
}

void saveList(frmmain &form) {
    const QString newListName = AppTexts::newListName();
    const QString target =
        form.listname != newListName ? form.listname : askSaveTarget(form, newListName);
    if (target.isEmpty() || target == newListName)
        return;
    if (!WritePlaylist(form, target))
        return;
    form.listname = target;
    form.saved = true;
    form.setcaption(target);
}

void saveListAs(frmmain &form) {
    const QString target = askSaveTarget(form, QString());
    if (!target.isEmpty())
        WritePlaylist(form, target);
}
