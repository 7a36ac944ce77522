#include "playlist/repaircommands.h"

#include "app/apptexts.h"
#include "app/frmmain.h"
#include "app/frmprogress.h"
#include "app/playlistmodel.h"
#include "media/filequery.h"
#include "platform/platform.h"
#include "playlist/playlisttexts.h"
#include "playlist/relocation.h"

#include <algorithm>

namespace {

bool hasMissingRows(const frmmain &form) {
    const std::vector<PlaylistEntry> rows = form.model().entries();
    return std::any_of(rows.cbegin(), rows.cend(), [](const PlaylistEntry &row) {
        return row.kind == PlaylistEntry::Kind::Missing;
    });
}

void tell(frmmain &form, const QString &text) {
    form.platform().messageBoxes->showMessage(&form, text, AppTexts::title(), MessageIcon::None);
}

} // namespace

void removeMissingRows(frmmain &form) {
    if (form.model().removeMissingEntries() == 0) {
        tell(form, PlaylistTexts::nothingMissing());
        return;
    }
    form.rowsMayChange();
    form.updaterowcommands();
    form.showcount();
}

void relocateMissingRows(frmmain &form) {
    if (!hasMissingRows(form)) {
        tell(form, PlaylistTexts::nothingMissing());
        return;
    }
    const QString folder = form.platform().folderPicker->chooseFolder(&form);
    if (folder.isEmpty())
        return;

    Relocation relocation;
    {
        frmProgress progress(form, &PlaylistTexts::relocating);
        relocation = relocateMissing(form.model().entries(), folder,
                                     [&progress](int count) { return progress.carryOn(count); });
    }
    FileQuery query;
    std::vector<std::pair<int, PlaylistEntry>> replacements;
    for (const auto &[row, path] : relocation.found) {
        if (std::optional<PlaylistEntry> entry = relocatedRow(form.model().entry(row), path, query))
            replacements.emplace_back(row, std::move(*entry));
    }
    // Every path found is one edit, which undo takes back whole.
    form.model().replaceEntriesAt(std::move(replacements));
    if (!relocation.found.empty())
        form.rowsMayChange();
    const int found = int(relocation.found.size());
    tell(form, relocation.stopped ? PlaylistTexts::relocationStopped(found, relocation.stillMissing)
                                  : PlaylistTexts::relocated(found, relocation.stillMissing));
}
