#include "platform/standinregistry.h"

#include <QFile>
#include <QStandardPaths>

QStringList StandInRegistry::toolNames() {
    return {QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"),
            QStringLiteral("gnome-system-monitor")};
}

std::optional<QByteArray> StandInRegistry::value(const QString &key,
                                                 const QString &valueName) const {
    if (key.compare(QLatin1String(SystemInfoKeys::ToolKey), Qt::CaseInsensitive) != 0 ||
        valueName.compare(QLatin1String(SystemInfoKeys::ToolValue), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    // Looked up on every read, so a tool installed while the program runs is found.
    const QStringList names = toolNames();
    for (const QString &name : names) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty())
            return QFile::encodeName(path) + '\0';
    }
    return std::nullopt;
}
