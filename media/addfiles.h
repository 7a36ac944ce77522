#pragma once

class frmmain;

// Edit > 加入: puts the files picked in the open dialog into the table, one row per file
// whose path is not listed yet. All rows of one run go to the same position, one past the
// rows the table held before, so they stand in the reverse of the dialog's order. A selection
// that would take the table past its bound adds nothing and says so.
void addFiles(frmmain &form);
