#include "playlist/playlisttexts.h"

namespace PlaylistTexts {

QString dialogFilter() {
    return QStringLiteral("Pls文件(*.pls)|*.pls|M3u文件(*.m3u)|*.m3u|Ram文件(*.ram)|*.ram");
}

QString unsavedQuestion() {
    return QStringLiteral("列表文件没有保存，是否保存它？");
}

QString notPls() {
    return QStringLiteral("此文件不是有效的PLS文件！");
}

QString unknownExtension(const QString &target) {
    return QStringLiteral("无法保存“%1”：列表文件的扩展名必须是 .pls、.m3u、.ram 或 .asx。")
        .arg(target);
}

QString lineBreakInPath(const QString &target, const QString &path) {
    return QStringLiteral("无法保存“%1”：路径“%2”中含有换行符，不能写入列表文件。")
        .arg(target, path);
}

QString unrepresentablePath(const QString &target, const QString &path) {
    return QStringLiteral("无法保存“%1”：路径“%2”中含有系统字符集不能表示的字符。")
        .arg(target, path);
}

QString writeFailed(const QString &target, const QString &reason) {
    return QStringLiteral("无法写入文件“%1”，列表没有保存。\n%2").arg(target, reason);
}

QString readFailed(const QString &list, const QString &reason) {
    return QStringLiteral("无法读取列表文件“%1”，列表没有打开。\n%2").arg(list, reason);
}

QString missingMediaFile(const QString &list, const QString &mediaPath) {
    return QStringLiteral("找不到节目文件“%1”，列表“%2”没有打开。").arg(mediaPath, list);
}

QString missingPlsEntry(const QString &list, int number) {
    return QStringLiteral("列表文件“%1”缺少第%2项（File%2）的文件路径，列表没有打开。")
        .arg(list)
        .arg(number);
}

QString blankLine(const QString &list, int lineNumber) {
    return QStringLiteral("列表文件“%1”的第%2行没有文件路径，列表没有打开。")
        .arg(list)
        .arg(lineNumber);
}

QString tooManyEntries(const QString &list, qsizetype count, int maximum) {
    return QStringLiteral("列表文件“%1”有%2项，超过了列表最多能容纳的%3项，列表没有打开。")
        .arg(list)
        .arg(count)
        .arg(maximum);
}

QString notOneFile() {
    return QStringLiteral("请只选择一个列表文件。");
}

QString selectionTooLong() {
    return QStringLiteral("所选列表文件的路径太长，无法打开。");
}

} // namespace PlaylistTexts
