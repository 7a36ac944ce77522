#include "playlist/playlisttexts.h"

#include "playlist/playlistformat.h"
#include "playlist/systemerror.h"

#include <cerrno>

// Paths go to arg() in one call with the numbers: a path may itself hold "%1".
namespace PlaylistTexts {

QString shortened(const QString &text, qsizetype maximum) {
    if (text.size() <= maximum)
        return text;
    qsizetype head = (maximum - 1) / 2;
    qsizetype tail = text.size() - (maximum - 1 - head);
    // Never cut a character made of two code units in half.
    if (text.at(head - 1).isHighSurrogate())
        --head;
    if (text.at(tail).isLowSurrogate())
        ++tail;
    return text.left(head) + QChar(0x2026) + text.mid(tail);
}

namespace {

// "Name(*.a;*.b)|*.a;*.b", a filter entry of the dialogs.
QString filterEntry(const QString &name, const QStringList &extensions) {
    const QString patterns = QStringLiteral("*.") + extensions.join(QStringLiteral(";*."));
    return name + u'(' + patterns + QStringLiteral(")|") + patterns;
}

} // namespace

QString openFilter() {
    QStringList entries, every;
    for (const FormatInfo &format : playlistFormats()) {
        if (format.extensions.isEmpty())
            continue;
        entries << filterEntry(format.filterName, format.extensions);
        every << format.extensions;
    }
    // Lists come under many names ("list.php"): Open reads what the content says.
    entries.prepend(filterEntry(QStringLiteral("所有列表文件"), every));
    entries << QStringLiteral("所有文件(*.*)|*.*");
    return entries.join(u'|');
}

QString saveFilter() {
    QStringList entries;
    for (const FormatInfo &format : playlistFormats()) {
        if (format.write)
            entries << filterEntry(format.filterName, {format.extensions.first()});
    }
    return entries.join(u'|');
}

QString unsavedQuestion() {
    return QStringLiteral("列表文件没有保存，是否保存它？");
}

QString notPls() {
    return QStringLiteral("此文件不是有效的PLS文件！");
}

QString notAsx() {
    return QStringLiteral("此文件不是有效的ASX文件！");
}

QString notXspf() {
    return QStringLiteral("此文件不是有效的XSPF文件！");
}

QString unknownExtension(const QString &target) {
    return QStringLiteral("无法保存“%1”：列表文件的扩展名必须是 %2。")
        .arg(shortened(target), extensionList());
}

QString lineBreakInPath(const QString &target, const QString &path) {
    return QStringLiteral("无法保存“%1”：路径“%2”中含有换行符，不能写入列表文件。")
        .arg(shortened(target), shortened(path));
}

QString unrepresentablePath(const QString &target, const QString &path) {
    return QStringLiteral("无法保存“%1”：路径“%2”中含有系统字符集不能表示的字符。")
        .arg(shortened(target), shortened(path));
}

QString notRegularTarget(const QString &target) {
    return QStringLiteral("无法保存“%1”：它不是普通文件，列表没有保存。").arg(shortened(target));
}

QString writeFailed(const QString &target, int error, const QString &backup) {
    QString text = QStringLiteral("无法写入文件“%1”，列表没有保存。\n%2")
                       .arg(shortened(target), systemReason(error));
    if (!backup.isEmpty())
        text += QStringLiteral("\n原来的内容没能写回，保存在“%1”中。").arg(shortened(backup));
    return text;
}

QString systemReason(int error) {
    switch (failureKindOf(error, FailureKind::WriteFailed)) {
    case FailureKind::NoSpace:
        return QStringLiteral("磁盘空间不足。");
    case FailureKind::ReadOnly:
        return QStringLiteral("磁盘是只读的。");
    case FailureKind::NoPermission:
        return QStringLiteral("没有访问权限。");
    case FailureKind::NotFound:
        return QStringLiteral("文件或文件夹不存在。");
    case FailureKind::TooLarge:
        return QStringLiteral("文件太大。");
    default:
        break;
    }
    switch (error) {
    case EIO:
        return QStringLiteral("读写磁盘时出错。");
    case ENAMETOOLONG:
        return QStringLiteral("文件名太长。");
    // Standard output closed, or open for reading only.
    case EBADF:
        return QStringLiteral("已关闭，或不能写入。");
    default:
        return qt_error_string(error);
    }
}

QString readFailed(const QString &list, int error) {
    return QStringLiteral("无法读取列表文件“%1”，列表没有打开。\n%2")
        .arg(shortened(list), systemReason(error));
}

QString notRegularFile(const QString &list) {
    return QStringLiteral("“%1”不是普通文件，不能作为列表文件打开。").arg(shortened(list));
}

QString tooLarge(const QString &list, qint64 maxMiB) {
    return QStringLiteral("列表文件“%1”大于 %2 MB，不像是列表文件，没有打开。")
        .arg(shortened(list), QString::number(maxMiB));
}

QString cannotOpenFormat(const QString &list) {
    return QStringLiteral("无法打开“%1”：只能打开扩展名为 %2 的列表文件。")
        .arg(shortened(list), extensionList());
}

QString tooManyEntries(const QString &list, qsizetype count, int maximum) {
    return QStringLiteral("列表文件“%1”有%2项，超过了列表最多能容纳的%3项，列表没有打开。")
        .arg(shortened(list), QString::number(count), QString::number(maximum));
}

QString notOneFile() {
    return QStringLiteral("请只选择一个列表文件。");
}

QString missingEntries(int count, const QStringList &firstPaths) {
    QString text = QStringLiteral("列表中有%1个节目文件找不到，它们以灰色显示，可用“编辑”菜单的"
                                  "“删除无效项”或“重新定位…”修复：")
                       .arg(count);
    for (const QString &path : firstPaths)
        text += QLatin1Char('\n') + shortened(path);
    if (count > firstPaths.size())
        text += QStringLiteral("\n……");
    return text;
}

QString notFoundTip() {
    return QStringLiteral("找不到此文件");
}

QString titleTip(const QString &title) {
    return QStringLiteral("标题：") + title;
}

QString lengthTip(int seconds) {
    return QStringLiteral("时长：%1:%2")
        .arg(seconds / 60)
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString nothingMissing() {
    return QStringLiteral("列表中没有找不到的节目文件。");
}

QString relocated(int found, int stillMissing) {
    return QStringLiteral("找到了%1个节目文件，还有%2个找不到。").arg(found).arg(stillMissing);
}

QString relocating(int examined) {
    return QStringLiteral("正在查找找不到的节目文件：已查看%1个文件…").arg(examined);
}

QString relocationStopped(int found, int stillMissing) {
    return QStringLiteral("查找已停止。") + relocated(found, stillMissing);
}

} // namespace PlaylistTexts
