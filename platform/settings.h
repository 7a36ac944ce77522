#pragma once

#include <QVariant>

class QString;

// What the program remembers between runs for the user (the table's column widths). Tests
// replace it with a fake that starts empty.
class Settings {
public:
    virtual ~Settings() = default;
    // The stored value, or an invalid QVariant when none is stored.
    virtual QVariant value(const QString &key) const = 0;
    virtual void setValue(const QString &key, const QVariant &value) = 0;
};
