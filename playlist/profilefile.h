#pragma once

#include <QLatin1String>
#include <QStringView>

#include <functional>

// INI-style profile files, read in one pass over the text, without building a table. A line
// whose first non-blank character is ';' is a comment; "[name]" starts a section (text after
// the first ']' is ignored); "key=value" is a key. Blanks and tabs around keys and values are
// removed, then one matching pair of outer quotes around the value.
namespace ProfileFile {

// Calls visit with every key of the first section of that name (ASCII, lower case; section
// names match in any case), in file order, as views into text. Repeated keys are visited too:
// the first of a name is the one that counts.
void forEachKey(QStringView text, QLatin1String section,
                const std::function<void(QStringView key, QStringView value)> &visit);

// Whether text lower-cased is name (ASCII, lower case): section and key names match in any case.
bool sameName(QStringView text, QLatin1String name);

// An optional sign, then digits up to the first non-digit; no digit gives 0. Values beyond the
// range of int are clamped.
int intValue(QStringView value);

} // namespace ProfileFile
