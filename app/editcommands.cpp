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

// Puts the rows in the new order with the rows (ascending) selected where they went. The view
// would carry a selection of many separate rows through the new order index by index; taking
// it and selecting the rows again costs a fraction of that. The current row goes with its row.
std::vector<int> reorderSelected(frmmain &form, const std::vector<int> &order,
                                 const std::vector<int> &rows) {
    form.rowsMayChange();
    form.ListView1->selectionModel()->clearSelection();
    form.model().reorderEntries(order);
    std::vector<int> moved;
    moved.reserve(rows.size());
    for (size_t position = 0; position < order.size(); ++position) {
        if (std::binary_search(rows.cbegin(), rows.cend(), order[position]))
            moved.push_back(int(position));
    }
    form.selectRows(moved);
    return moved;
}

void moveSelected(frmmain &form,
                  std::vector<int> (*order)(int count, const std::vector<int> &selected, int to),
                  int to) {
    form.rowsMayChange();
    const std::vector<int> selected = form.selectedRows();
    if (!selected.empty())
        reorderSelected(form, order(form.model().rowCount(), selected, to), selected);
}

// The first row shown at or after row, else the last one shown before it; -1 when none shows.
int shownRowNear(const PlaylistModel &model, int row) {
    for (int below = row; below < model.rowCount(); ++below) {
        if (model.isShown(below))
            return below;
    }
    for (int above = std::min(row, model.rowCount()) - 1; above >= 0; --above) {
        if (model.isShown(above))
            return above;
    }
    return -1;
}

// The rows shown, as a list of their own, and where each of them is in the table.
std::pair<std::vector<PlaylistEntry>, std::vector<int>> shownEntries(const PlaylistModel &model) {
    std::vector<int> rows = model.shownRows();
    std::vector<PlaylistEntry> entries;
    entries.reserve(rows.size());
    for (const int row : rows)
        entries.push_back(model.entry(row));
    return {std::move(entries), std::move(rows)};
}

void stepHistory(frmmain &form, bool (PlaylistModel::*step)()) {
    // An undone removal puts its rows back with a reset, which forgets the current row; the
    // history holds every row it touches, so the row's entry is still the same object after.
    const int row = form.currentRow();
    const PlaylistEntry *current = row < 0 ? nullptr : &form.model().entry(row);
    if ((form.model().*step)())
        form.rowsMayChange();
    const int now = form.model().rowOf(current);
    if (now >= 0 && now != form.currentRow() && form.model().isShown(now))
        form.selectRow(now);
    form.updaterowcommands();
    form.showcount();
}

} // namespace

void deleteCheckedRows(frmmain &form) {
    form.rowsMayChange();
    PlaylistModel &model = form.model();
    const int current = form.currentRow();
    // The rows above the current one that stay decide where it, or the row that takes its
    // place, ends up.
    int keptAbove = 0;
    for (int row = 0; row < current; ++row)
        keptAbove += model.entry(row).checked && model.isShown(row) ? 0 : 1;

    if (model.removeCheckedEntries() > 0 && current >= 0) {
        if (const int next = shownRowNear(model, keptAbove); next >= 0)
            form.selectRow(next);
    }
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
    // The dragged rows are the selection from now on, wherever the drag came from, the first
    // of them current.
    form.setCurrentRow(reorderSelected(form, order, rows).front());
}

void shuffleRows(frmmain &form) {
    static std::mt19937 random{std::random_device{}()};
    form.rowsMayChange();
    const std::vector<int> selected = form.selectedRows();
    form.model().reorderEntries(
        RowMoves::shuffled(form.model().rowCount(),
                           selected.size() < 2 ? form.model().shownRows() : selected, random));
}

void sortRows(frmmain &form, int column, Qt::SortOrder order) {
    form.rowsMayChange();
    form.model().sort(column, order);
    form.ListView1->showSortedBy(column, order);
}

void removeDuplicateRows(frmmain &form) {
    // Among the rows shown alone: a hidden row is neither removed nor the reason to remove one.
    const auto [entries, rows] = shownEntries(form.model());
    std::vector<int> duplicates = duplicateRows(entries);
    for (int &row : duplicates)
        row = rows[size_t(row)];
    const int count = int(duplicates.size());
    if (count > 0) {
        form.rowsMayChange();
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
