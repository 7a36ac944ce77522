#pragma once

#include <QString>

// Characters that no text of a list holds: an XML file cannot (controls, U+FFFE, U+FFFF), and a
// line-based one should not. Tab alone stays.
bool isDroppedFromTexts(char32_t c);

// The text of one character; QString::fromUcs4 would drop U+FEFF as a byte-order mark.
QString characterText(char32_t c);

// A title or another text as every list writes it: on one line (each run of line breaks one
// blank), without the characters above.
QString listText(const QString &text);
