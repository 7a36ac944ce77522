#pragma once

#include "platform/registry.h"

#include <QStringList>

// Linux has no registry. This one holds a single value, the tool path under the key of the
// system-information tool, naming the first of the usual system-information programs found on
// PATH; without one of them it holds nothing.
class StandInRegistry : public Registry {
public:
    // The programs looked for, in order of preference.
    static QStringList toolNames();

    std::optional<QByteArray> value(const QString &key, const QString &valueName) const override;
};
