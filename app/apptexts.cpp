#include "app/apptexts.h"

namespace AppTexts {

QString title() {
    return QStringLiteral("Vantrel");
}

QString newListName() {
    return QStringLiteral("新列表");
}

QString startupCaption() {
    return QStringLiteral("%1 V%2.%3 --- %4")
        .arg(title())
        .arg(MajorVersion)
        .arg(MinorVersion)
        .arg(newListName());
}

QString documentCaption(const QString &name) {
    const QString major = (MajorVersion < 0 ? QStringLiteral("-") : QStringLiteral(" ")) +
                          QString::number(qAbs(MajorVersion));
    return title() + QLatin1Char('V') + major + QLatin1Char('.') + QString::number(MinorVersion) +
           QStringLiteral(" --- ") + name;
}

QString countMessage(int rowCount) {
    return QStringLiteral("共有%1个节目文件！").arg(rowCount);
}

} // namespace AppTexts
