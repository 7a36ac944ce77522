#pragma once

class frmmain;

// Asks whether to save an unsaved list and saves it on Yes. False means the list must stay:
// the user cancelled, or the save failed (its message has been shown).
bool mayDiscardList(frmmain &form);

// File > 新建: an empty list without a file, once the old one may go.
void newList(frmmain &form);
// File > 退出: closes the window, which asks as the close box does and ends the program.
void exitProgram(frmmain &form);
