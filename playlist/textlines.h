#pragma once

#include <QStringList>

// The lines of a text: CR, LF and CR LF each end a line, and are not part of it. A last line
// without a line end counts; a line end at the very end adds no empty line.
QStringList splitLines(const QString &text);
