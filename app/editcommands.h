#pragma once

class frmmain;

// The Edit menu's commands that change the table in place. Delete and the moves are the row
// commands; the check-mark commands leave the document state alone.

// Removes every checked row. When the current row goes, the row that takes its place (or the
// new last row) becomes current.
void deleteCheckedRows(frmmain &form);
// Exchange the current row's texts with the row above or below and carry the selection along.
// With no current row there is nothing to move.
void moveRowUp(frmmain &form);
void moveRowDown(frmmain &form);
void checkAllRows(frmmain &form);
void invertCheckMarks(frmmain &form);
void clearCheckMarks(frmmain &form);
