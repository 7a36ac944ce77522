#pragma once

#include <Qt>

#include <vector>

class frmmain;

// The Edit menu's commands that change the table in place, and the table's own edits: a row
// dragged to another place, a click on a column header. Delete and the moves are the row
// commands; the check-mark commands leave the document state alone. While a filter hides rows
// every command acts on the rows shown alone, and the moves are off.

// Removes every checked row. When the current row goes, the row shown that takes its place (or
// the new last row shown) becomes current.
void deleteCheckedRows(frmmain &form);
// The selected rows move as one block, check marks included, keeping their order; the
// selection goes with them. With nothing selected there is nothing to move.
void moveRowsUp(frmmain &form);
void moveRowsDown(frmmain &form);
void moveRowsToTop(frmmain &form);
void moveRowsToBottom(frmmain &form);
// Moves the rows (ascending) in front of the row at position row (the row count: to the end);
// they are the selection afterwards.
void moveRowsTo(frmmain &form, const std::vector<int> &rows, int row);
// 编辑 > 随机排列: the selected rows, or every row shown when fewer than two are selected, in a
// random order among their own places.
void shuffleRows(frmmain &form);
void sortRows(frmmain &form, int column, Qt::SortOrder order);
// 编辑 > 删除重复项: every row that names what an earlier row names goes, in one step, and a
// message says how many.
void removeDuplicateRows(frmmain &form);
void checkAllRows(frmmain &form);
void invertCheckMarks(frmmain &form);
void clearCheckMarks(frmmain &form);
// Undo and redo of the table's edits. Taking back an edit of the rows leaves the list unsaved,
// even when it returns to the saved rows; only Save marks a list saved.
void undoEdit(frmmain &form);
void redoEdit(frmmain &form);
