#include "platform/qtsettings.h"

QtSettings::QtSettings()
    : m_settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("vantrel"),
                 QStringLiteral("vantrel")) {}

QVariant QtSettings::value(const QString &key) const {
    return m_settings.value(key);
}

void QtSettings::setValue(const QString &key, const QVariant &value) {
    m_settings.setValue(key, value);
}
