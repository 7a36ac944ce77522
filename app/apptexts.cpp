#include "app/apptexts.h"

#include "about/version.h"

namespace AppTexts {

QString title() {
    return QStringLiteral("Vantrel");
}

QString newListName() {
    return QStringLiteral("新列表");
}

QString startupCaption() {
    return QStringLiteral("%1 V%2.%3 --- %4")
        .arg(title(), QString::number(Version::Major), QString::number(Version::Minor),
             newListName());
}

QString documentCaption(const QString &name) {
    // The major number is formatted with a blank where its sign would go.
    return title() + QStringLiteral("V ") + QString::number(Version::Major) + QLatin1Char('.') +
           QString::number(Version::Minor) + QStringLiteral(" --- ") + name;
}

QString countMessage(int rowCount) {
    return QStringLiteral("共有%1个节目文件！").arg(rowCount);
}

QString buttonTip(const QString &caption, const QKeySequence &shortcut) {
    if (shortcut.isEmpty())
        return caption;
    return QStringLiteral("%1 (%2)").arg(caption, shortcut.toString(QKeySequence::NativeText));
}

} // namespace AppTexts
