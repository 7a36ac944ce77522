#pragma once

#include <QString>
#include <QStringList>

// Names in the order people read them, as a Linux file manager lists them: letters without
// regard to case, and runs of digits by their value, so "Song 2" comes before "Song 10".
//
// A key is built once per name; comparing two keys is a plain comparison of texts, so sorting
// many names costs one pass over each name and no locale lookup per comparison.
QString naturalSortKey(QStringView name);

// Sorts names in natural order. Names of equal key (they differ in case or in leading zeros)
// keep a fixed order: by their own text.
void sortNaturally(QStringList &names);
