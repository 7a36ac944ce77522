#include "playlist/lifecyclecommands.h"

#include "app/apptexts.h"
#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "platform/platform.h"
#include "playlist/playlisttexts.h"
#include "playlist/savecommands.h"

bool mayDiscardList(frmmain &form) {
    if (form.saved())
        return true;
    const MessageAnswer answer = form.platform().messageBoxes->askYesNoCancel(
        &form, PlaylistTexts::unsavedQuestion(), AppTexts::title(), MessageIcon::Question);
    if (answer != MessageAnswer::Yes)
        return answer == MessageAnswer::No;

    // Unlike Save, this save leaves the list's name and state alone: the list goes next. The
    // user asked to keep the list, so a cancelled save dialog keeps it too.
    const QString target = saveTarget(form);
    return !target.isEmpty() && WritePlaylist(form, target);
}

void newList(frmmain &form) {
    if (!mayDiscardList(form))
        return;
    form.model().clear();
    form.listLoaded(AppTexts::newListName());
    form.updaterowcommands();
    form.showcount();
}

void exitProgram(frmmain &form) {
    form.close();
}
