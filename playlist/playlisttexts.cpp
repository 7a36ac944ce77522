#include "playlist/playlisttexts.h"

// Paths go to arg() in one call with the numbers: a path may itself hold "%1".
namespace PlaylistTexts {

QString shortened(const QString &text) {
    if (text.size() <= MaxQuoted)
        return text;
    qsizetype head = (MaxQuoted - 1) / 2;
    qsizetype tail = text.size() - (MaxQuoted - 1 - head);
    // Never cut a character made of two code units in half.
    if (text.at(head - 1).isHighSurrogate())
        --head;
    if (text.at(tail).isLowSurrogate())
        ++tail;
    return text.left(head) + QChar(0x2026) + text.mid(tail);
}

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
        .arg(shortened(target));
}

QString lineBreakInPath(const QString &target, const QString &path) {
    return QStringLiteral("无法保存“%1”：路径“%2”中含有换行符，不能写入列表文件。")
        .arg(shortened(target), shortened(path));
}

QString unrepresentablePath(const QString &target, const QString &path) {
    return QStringLiteral("无法保存“%1”：路径“%2”中含有系统字符集不能表示的字符。")
        .arg(shortened(target), shortened(path));
}

QString writeFailed(const QString &target, const QString &reason) {
    return QStringLiteral("无法写入文件“%1”，列表没有保存。\n%2").arg(shortened(target), reason);
}

QString readFailed(const QString &list, const QString &reason) {
    return QStringLiteral("无法读取列表文件“%1”，列表没有打开。\n%2").arg(shortened(list), reason);
}

QString notRegularFile(const QString &list) {
    return QStringLiteral("“%1”不是普通文件，不能作为列表文件打开。").arg(shortened(list));
}

QString tooLarge(const QString &list, qint64 maxMiB) {
    return QStringLiteral("列表文件“%1”大于 %2 MB，不像是列表文件，没有打开。")
        .arg(shortened(list), QString::number(maxMiB));
}

QString cannotOpenFormat(const QString &list) {
    return QStringLiteral("无法打开“%1”：只能打开扩展名为 .pls、.m3u、.m3u8 或 .ram 的列表文件。")
        .arg(shortened(list));
}

QString missingMediaFile(const QString &list, const QString &mediaPath) {
    return QStringLiteral("找不到节目文件“%1”，列表“%2”没有打开。")
        .arg(shortened(mediaPath), shortened(list));
}

QString missingPlsEntry(const QString &list, int number) {
    return QStringLiteral("列表文件“%1”缺少第%2项（File%2）的文件路径，列表没有打开。")
        .arg(shortened(list), QString::number(number));
}

QString blankLine(const QString &list, int lineNumber) {
    return QStringLiteral("列表文件“%1”的第%2行没有文件路径，列表没有打开。")
        .arg(shortened(list), QString::number(lineNumber));
}

QString tooManyEntries(const QString &list, qsizetype count, int maximum) {
    return QStringLiteral("列表文件“%1”有%2项，超过了列表最多能容纳的%3项，列表没有打开。")
        .arg(shortened(list), QString::number(count), QString::number(maximum));
}

QString notOneFile() {
    return QStringLiteral("请只选择一个列表文件。");
}

} // namespace PlaylistTexts
