#pragma once

#include "playlist/listedentry.h"
#include "playlist/result.h"

#include <QString>

#include <vector>

// The two XML formats. ASX as other programs write it is often not well-formed XML (tags in any
// case, unquoted attributes, a bare "&" in an address), so it is read tolerantly; XSPF is read
// as the XML it must be.
Result<std::vector<ListedEntry>> readAsxEntries(const QString &text);
Result<std::vector<ListedEntry>> readXspfEntries(const QString &text);
