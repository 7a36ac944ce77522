#include "platform/registry.h"

#include <QtEndian>

RegistryValue RegistryValue::text(const QString &text) {
    return {Type::Text, text.toLocal8Bit() + '\0'};
}

RegistryValue RegistryValue::number(quint32 number) {
    QByteArray data(sizeof number, '\0');
    qToLittleEndian(number, data.data());
    return {Type::Number, data};
}
