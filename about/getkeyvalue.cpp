#include "about/getkeyvalue.h"

#include <QFile>

bool GetKeyValue(const Registry &registry, const QString &keyName, const QString &valueName,
                 QString &keyValue) {
    keyValue.clear();
    const std::optional<QByteArray> data = registry.value(keyName, valueName);
    if (!data || data->size() > KeyValueBufferSize)
        return false;
    keyValue = QFile::decodeName(data->endsWith('\0') ? data->chopped(1) : *data);
    return true;
}
