#include "playlist/opencommand.h"

#include "app/apptexts.h"
#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "platform/platform.h"
#include "playlist/playlistfile.h"
#include "playlist/playlisttexts.h"

namespace {

// The one playlist file chosen in the open dialog, or nothing (cancelled, or refused with a
// message).
QString chooseFile(frmmain &form) {
    CommonDialog &cd = form.cd;
    cd.Filter = PlaylistTexts::dialogFilter();
    MessageBoxes &messages = *form.platform().messageBoxes;
    cd.ShowOpen();
    // The dialog keeps the options of the last command, so Add may have left it multi-select.
    if (cd.Selection.size() > 1) {
        messages.showMessage(&form, PlaylistTexts::notOneFile(), AppTexts::title(),
                             MessageIcon::Warning);
        return {};
    }
    return cd.FileName;
}

} // namespace

void openList(frmmain &form) {
    form.cd.FileName.clear();
    form.saved = false;
    const QString path = chooseFile(form);
    if (!path.isEmpty())
        openPlaylist(form, path);
}

void openPlaylist(frmmain &form, const QString &path) {
    Result<std::vector<PlaylistEntry>> loaded = loadPlaylistFile(path, form.platform().codePage);
    if (!loaded.ok()) {
        // The described refusal of a file without the PLS header carries no icon.
        const MessageIcon icon =
            loaded.error() == PlaylistTexts::notPls() ? MessageIcon::None : MessageIcon::Warning;
        form.platform().messageBoxes->showMessage(&form, loaded.error(), AppTexts::title(), icon);
        return;
    }
    std::vector<PlaylistEntry> rows = std::move(loaded).value();
    form.insertpos = int(rows.size()) + 1;
    form.model().replaceEntries(std::move(rows));
    form.setListName(path);
    form.showcount();
    form.updaterowcommands();
}
