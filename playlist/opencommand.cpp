#include "playlist/opencommand.h"

#include "app/apptexts.h"
#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "platform/platform.h"
#include "playlist/lifecyclecommands.h"
#include "playlist/playlistfile.h"
#include "playlist/playlistformat.h"
#include "playlist/playlisttexts.h"

namespace {

// The one playlist file chosen in the open dialog, or nothing (cancelled, or refused with a
// message).
QString chooseFile(frmmain &form) {
    CommonDialog &cd = form.cd;
    cd.Filter = PlaylistTexts::openFilter();
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
    form.rowsMayChange();
    const QString path = chooseFile(form);
    if (!path.isEmpty())
        openPlaylist(form, path);
}

void openPlaylist(frmmain &form, const QString &path) {
    // Asked before the file is read, so that a Yes which saves into the very file being opened
    // opens what was saved.
    if (form.edited() && !mayDiscardList(form))
        return;
    MessageBoxes &messages = *form.platform().messageBoxes;
    Result<LoadedPlaylist> loaded = loadPlaylistFile(path);
    if (!loaded.ok()) {
        // The described refusal of a file without the PLS header carries no icon.
        const MessageIcon icon = loaded.failure().kind == FailureKind::NotPlaylist &&
                                         formatOf(path) == &formatInfo(PlaylistFormat::Pls)
                                     ? MessageIcon::None
                                     : MessageIcon::Warning;
        messages.showMessage(&form, loaded.error(), AppTexts::title(), icon);
        return;
    }
    LoadedPlaylist playlist = std::move(loaded).value();
    form.insertpos = int(playlist.rows.size()) + 1;
    form.model().replaceEntries(std::move(playlist.rows));
    form.listLoaded(path);
    form.showcount();
    form.updaterowcommands();
    if (playlist.missingCount > 0)
        messages.showMessage(
            &form, PlaylistTexts::missingEntries(playlist.missingCount, playlist.firstMissing),
            AppTexts::title(), MessageIcon::Warning);
}
