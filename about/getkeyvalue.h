#pragma once

#include "platform/registry.h"

#include <QString>

// Room for one value; a longer one is not read.
inline constexpr int KeyValueBufferSize = 1024;

// Reads one text value into keyValue, without its terminating NUL. Returns false, with keyValue
// empty, when the key or the value is missing or the value does not fit into the buffer.
bool GetKeyValue(const Registry &registry, const QString &keyName, const QString &valueName,
                 QString &keyValue);
