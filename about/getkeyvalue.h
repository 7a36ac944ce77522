#pragma once

#include "platform/registry.h"

#include <QString>

// Room for one value; a longer one is not read.
inline constexpr int KeyValueBufferSize = 1024;

// Reads one value into keyValue: a text as it stands, a 32-bit number as "&h" and its hex
// digits, any other type as empty text. Returns false, with keyValue empty, when the key or the
// value is missing or the value does not fit into the buffer.
bool GetKeyValue(const Registry &registry, RegistryRoot root, const QString &keyName,
                 const QString &valueName, QString &keyValue);
