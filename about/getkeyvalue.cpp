#include "about/getkeyvalue.h"

#include <QtEndian>

bool GetKeyValue(const Registry &registry, RegistryRoot root, const QString &keyName,
                 const QString &valueName, QString &keyValue) {
    keyValue.clear();
    const std::optional<RegistryValue> value = registry.value(root, keyName, valueName);
    if (!value || value->data.size() > KeyValueBufferSize)
        return false;

    const QByteArray &data = value->data;
    switch (value->type) {
    case RegistryValue::Type::Text:
        // The terminating NUL is not part of the text.
        keyValue = QString::fromLocal8Bit(data.endsWith('\0') ? data.chopped(1) : data);
        break;
    case RegistryValue::Type::Number:
        if (data.size() == qsizetype(sizeof(quint32))) {
            const quint32 number = qFromLittleEndian<quint32>(data.constData());
            keyValue = QStringLiteral("&h") + QString::number(number, 16).toUpper();
        }
        break;
    case RegistryValue::Type::Other:
        break;
    }
    return true;
}
