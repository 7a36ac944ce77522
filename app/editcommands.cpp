#include "app/editcommands.h"

#include "app/apptexts.h"
#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "app/playlistview.h"
#include "platform/platform.h"
#include "playlist/duplicates.h"

#include <algorithm>

namespace {

// Moves the current row to the one `step` rows away, when there is one.
void moveCurrentRow(frmmain &form, int step) {
    form.saved = false;
    const int row = form.currentRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= form.model().rowCount())
        return;
    form.model().moveEntry(row, target);
    form.selectRow(target);
}

void stepHistory(frmmain &form, bool (PlaylistModel::*step)()) {
    // An undone removal puts its rows back with a reset, which forgets the current row; the
    // history holds every row it touches, so the row's entry is still the same object after.
    const int row = form.currentRow();
    const PlaylistEntry *current = row < 0 ? nullptr : &form.model().entry(row);
    if ((form.model().*step)())
        form.saved = false;
    const int now = form.model().rowOf(current);
    if (now >= 0 && now != form.currentRow())
        form.selectRow(now);
    form.updaterowcommands();
    form.showcount();
}

} // namespace

void deleteCheckedRows(frmmain &form) {
    form.saved = false;
    PlaylistModel &model = form.model();
    const int current = form.currentRow();
    // The rows above the current one that stay decide where it, or the row that takes its
    // place, ends up.
    int keptAbove = 0;
    for (int row = 0; row < current; ++row)
        keptAbove += model.entry(row).checked ? 0 : 1;

    if (model.removeCheckedEntries() > 0 && current >= 0 && model.rowCount() > 0)
        form.selectRow(std::min(keptAbove, model.rowCount() - 1));
    form.updaterowcommands();
    form.showcount();
}

void moveRowUp(frmmain &form) {
    moveCurrentRow(form, -1);
}

void moveRowDown(frmmain &form) {
    moveCurrentRow(form, 1);
}

void moveRowTo(frmmain &form, int from, int row) {
    // In front of itself or of the row below it, a row stays where it is.
    const int target = row > from ? row - 1 : row;
    if (target == from)
        return;
    form.saved = false;
    form.model().moveEntry(from, target);
    form.selectRow(target);
}

void sortRows(frmmain &form, int column, Qt::SortOrder order) {
    form.saved = false;
    form.model().sort(column, order);
    form.ListView1->showSortedBy(column, order);
}

void removeDuplicateRows(frmmain &form) {
    std::vector<int> duplicates = duplicateRows(form.model().entries());
    const int count = int(duplicates.size());
    if (count > 0) {
        form.saved = false;
        form.model().removeEntriesAt(std::move(duplicates));
        form.updaterowcommands();
        form.showcount();
    }
    form.platform().messageBoxes->showMessage(&form, AppTexts::duplicatesRemoved(count),
                                              AppTexts::title(), MessageIcon::None);
}

void checkAllRows(frmmain &form) {
    form.model().setAllChecked(true);
}

void invertCheckMarks(frmmain &form) {
    form.model().invertAllChecked();
}

void clearCheckMarks(frmmain &form) {
    form.model().setAllChecked(false);
}

void undoEdit(frmmain &form) {
    stepHistory(form, &PlaylistModel::undo);
}

void redoEdit(frmmain &form) {
    stepHistory(form, &PlaylistModel::redo);
}
