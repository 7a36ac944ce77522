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

QString shownMessage(int shownCount) {
    return QStringLiteral("显示%1个").arg(shownCount);
}

QString duplicatesRemoved(int count) {
    if (count == 0)
        return QStringLiteral("列表中没有重复项。");
    return QStringLiteral("删除了%1个重复项。").arg(count);
}

QString commandLineHelp() {
    return QStringLiteral(
        "用法：vantrel [选项] [列表文件]\n"
        "Vantrel 把本机的媒体文件编成节目列表，保存为 PLS、M3U、M3U8、RAM、ASX 或 XSPF 文件。\n"
        "\n"
        "  列表文件       启动后打开的节目列表文件，如同“文件 > 打开”\n"
        "  -h, --help     显示本帮助后退出\n"
        "  -v, --version  显示版本后退出\n"
        "\n"
        "另可使用 Qt 的通用选项，如 -platform、-style。\n");
}

QString versionReply() {
    return title() + QLatin1Char(' ') + Version::text() + QLatin1Char('\n');
}

QString unknownOptions(const QStringList &names) {
    return QStringLiteral("vantrel：不认识的选项“%1”。\n用 vantrel --help 查看用法。\n")
        .arg(names.join(QStringLiteral("”“")));
}

QString severalFiles() {
    return QStringLiteral("vantrel：一次只能打开一个列表文件。\n用 vantrel --help 查看用法。\n");
}

QString duration(qint64 seconds) {
    const QChar zero = QLatin1Char('0');
    const qint64 minutes = seconds / 60;
    if (minutes < 60)
        return QStringLiteral("%1:%2").arg(minutes).arg(seconds % 60, 2, 10, zero);
    return QStringLiteral("%1:%2:%3")
        .arg(minutes / 60)
        .arg(minutes % 60, 2, 10, zero)
        .arg(seconds % 60, 2, 10, zero);
}

QString totalLength(qint64 seconds, int known, int unknown) {
    if (known == 0)
        return {};
    const QString time = duration(seconds);
    return unknown > 0 ? QStringLiteral("总时长：至少%1").arg(time)
                       : QStringLiteral("总时长：%1").arg(time);
}

QString readingTags(int done, int total) {
    return QStringLiteral("正在读取标签 %1/%2").arg(done).arg(total);
}

QString buttonTip(const QString &caption, const QKeySequence &shortcut) {
    if (shortcut.isEmpty())
        return caption;
    return QStringLiteral("%1 (%2)").arg(caption, shortcut.toString(QKeySequence::NativeText));
}

} // namespace AppTexts
