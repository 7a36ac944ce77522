#include "app/editcommands.h"

#include "app/frmmain.h"
#include "app/playlistmodel.h"

#include <algorithm>

namespace {

// Exchanges the current row with the one `step` rows away, when there is one.
void moveCurrentRow(frmmain &form, int step) {
    form.saved = false;
    const int row = form.currentRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= form.model().rowCount())
        return;
    form.model().exchangeTexts(row, target);
    form.selectRow(target);
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

void checkAllRows(frmmain &form) {
    form.model().setAllChecked(true);
}

void invertCheckMarks(frmmain &form) {
    form.model().invertAllChecked();
}

void clearCheckMarks(frmmain &form) {
    form.model().setAllChecked(false);
}
