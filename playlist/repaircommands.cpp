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

// The missing rows shown: a filter keeps the others out of the repair.
std::vector<int> shownMissingRows(const frmmain &form) {
    std::vector<int> rows = form.model().shownRows();
    rows.erase(std::remove_if(rows.begin(), rows.end(),
                              [&form](int row) {
                                  return form.model().entry(row).kind !=
                                         PlaylistEntry::Kind::Missing;
                              }),
               rows.end());
    return rows;
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
    const std::vector<int> missing = shownMissingRows(form);
    if (missing.empty()) {
        tell(form, PlaylistTexts::nothingMissing());
        return;
    }
    std::vector<PlaylistEntry> rows;
    rows.reserve(missing.size());
    for (const int row : missing)
        rows.push_back(form.model().entry(row));
    const QString folder = form.platform().folderPicker->chooseFolder(&form);
    if (folder.isEmpty())
        return;

    Relocation relocation;
    {
        frmProgress progress(form, &PlaylistTexts::relocating);
        relocation = relocateMissing(rows, folder,
                                     [&progress](int count) { return progress.carryOn(count); });
    }
    FileQuery query;
    std::vector<std::pair<int, PlaylistEntry>> replacements;
    for (const auto &[row, path] : relocation.found) {
        if (std::optional<PlaylistEntry> entry = relocatedRow(rows[size_t(row)], path, query))
            replacements.emplace_back(missing[size_t(row)], std::move(*entry));
    }
    // Every path found is one edit, which undo takes back whole.
    form.model().replaceEntriesAt(std::move(replacements));
    if (!relocation.found.empty())
        form.rowsMayChange();
    const int found = int(relocation.found.size());
    tell(form, relocation.stopped ? PlaylistTexts::relocationStopped(found, relocation.stillMissing)
                                  : PlaylistTexts::relocated(found, relocation.stillMissing));
}
