#pragma once

#include "platform/settings.h"

#include <QSettings>

// The user's settings file of the program (~/.config/vantrel/vantrel.conf).
class QtSettings : public Settings {
public:
    QtSettings();

    QVariant value(const QString &key) const override;
    void setValue(const QString &key, const QVariant &value) override;

private:
    QSettings m_settings;
};
