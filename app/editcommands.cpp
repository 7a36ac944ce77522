#include "app/editcommands.h"

#include "app/apptexts.h"
#include "app/frmmain.h"
#include "app/playlistmodel.h"
#include "app/playlistview.h"
#include "platform/platform.h"
#include "playlist/duplicates.h"
#include "playlist/rowmoves.h"

#include <algorithm>

namespace {

// Puts the selected rows where order says; the selection and the current row go with them.
void moveSelected(frmmain &form,
                  std::vector<int> (*order)(int count, const std::vector<int> &selected, int to),
                  int to) {
    form.saved = false;
    const std::vector<int> selected = form.selectedRows();
    if (!selected.empty())
        form.model().reorderEntries(order(form.model().rowCount(), selected, to));
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

void moveRowsUp(frmmain &form) {
    moveSelected(form, RowMoves::movedBy, -1);
}

void moveRowsDown(frmmain &form) {
    moveSelected(form, RowMoves::movedBy, 1);
}

void moveRowsToTop(frmmain &form) {
    moveSelected(form, RowMoves::movedTo, 0);
}

void moveRowsToBottom(frmmain &form) {
    moveSelected(form, RowMoves::movedTo, form.model().rowCount());
}

void moveRowsTo(frmmain &form, const std::vector<int> &rows, int row) {
    const std::vector<int> order = RowMoves::movedTo(form.model().rowCount(), rows, row);
    // Dropped on itself, a block stays where it is and the list stays as it was.
    if (std::is_sorted(order.cbegin(), order.cend()))
        return;
    form.saved = false;
    form.model().reorderEntries(order);
    // The dragged rows are the selection from now on, wherever the drag came from.
    std::vector<int> moved;
    for (size_t position = 0; position < order.size(); ++position) {
        if (std::binary_search(rows.cbegin(), rows.cend(), order[position]))
            moved.push_back(int(position));
    }
    form.selectRows(moved);
}

void shuffleRows(frmmain &form) {
    static std::mt19937 random{std::random_device{}()};
    form.saved = false;
    form.model().reorderEntries(
        RowMoves::shuffled(form.model().rowCount(), form.selectedRows(), random));
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
