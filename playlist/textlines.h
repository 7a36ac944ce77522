#pragma once

#include <QList>
#include <QStringView>

// The lines of a text, as views into it: CR, LF and CR LF each end a line, and are not part of
// it. A last line without a line end counts; a line end at the very end adds no empty line.
QList<QStringView> splitLines(QStringView text);
