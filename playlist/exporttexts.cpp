#include "playlist/exporttexts.h"

#include "playlist/listexport.h"
#include "playlist/playlisttexts.h"

#include <QFileInfo>

using PlaylistTexts::shortened;

namespace ExportTexts {

QString title() {
    return QStringLiteral("导出到文件夹");
}

QString folderLabel() {
    return QStringLiteral("文件夹：");
}

QString browseCaption() {
    return QStringLiteral("浏览");
}

QString keepFolders() {
    return QStringLiteral("保留文件夹结构（从各文件共同的文件夹算起）");
}

QString flat() {
    return QStringLiteral("全部放在一起，按列表顺序编号命名（适合按文件名播放的车载播放器）");
}

QString windowsForm() {
    return QStringLiteral("Windows 形式：路径用 \\ 分隔，.m3u、.pls、.ram 列表用 GBK 编码");
}

QString startCaption() {
    return QStringLiteral("开始导出");
}

QString stopCaption() {
    return QStringLiteral("停止");
}

QString closeCaption() {
    return QStringLiteral("关闭");
}

QString progress(int done, int total, const QString &file) {
    return QStringLiteral("正在复制第%1个文件，共%2个：%3")
        .arg(QString::number(done + 1), QString::number(total),
             shortened(QFileInfo(file).fileName()));
}

QString done(const ExportSummary &summary) {
    QString text = QStringLiteral("导出完成！复制了%1个文件").arg(summary.copied);
    if (summary.alreadyThere > 0)
        text += QStringLiteral("，%1个文件已在文件夹中，没有再复制").arg(summary.alreadyThere);
    text += QStringLiteral("。\n列表已写入“%1”，数据已全部写入磁盘。").arg(shortened(summary.list));
    if (summary.missing > 0)
        text += QStringLiteral("\n有%1个找不到的节目文件没有导出。").arg(summary.missing);
    if (summary.folders > 0)
        text += QStringLiteral("\n有%1个文件夹没有导出：只导出文件。").arg(summary.folders);
    return text;
}

QString stopped(int copied) {
    return QStringLiteral("已停止导出。已复制的%1个文件留在文件夹中，没有写入列表；"
                          "再次导出时会接着复制。")
        .arg(copied);
}

QString folderFailed(const QString &folder, int error) {
    return QStringLiteral("无法创建文件夹“%1”，没有导出。\n%2")
        .arg(shortened(folder), PlaylistTexts::systemReason(error));
}

QString notInGbk(const QString &entry) {
    return QStringLiteral("无法按 Windows 形式导出：“%1”中有 GBK 编码不能表示的字符，而 Windows "
                          "形式的 .m3u、.pls 和 .ram 列表用 GBK 编码。请把列表另存为 .m3u8 "
                          "后再导出，或不用 Windows 形式。没有复制任何文件。")
        .arg(shortened(entry));
}

QString readFailed(const QString &source, int error) {
    return QStringLiteral("导出没有完成：无法读取“%1”。\n%2")
        .arg(shortened(source), PlaylistTexts::systemReason(error));
}

QString copyFailed(const QString &source, const QString &target, int error) {
    return QStringLiteral("导出没有完成：无法把“%1”复制到“%2”。\n%3")
        .arg(shortened(source), shortened(target), PlaylistTexts::systemReason(error));
}

QString flushFailed(const QString &folder, int error) {
    return QStringLiteral("导出没有完成：数据没有全部写入“%1”所在的磁盘。\n%2")
        .arg(shortened(folder), PlaylistTexts::systemReason(error));
}

QString withCopiesKept(const QString &message, int copied) {
    return message + QStringLiteral("\n已复制的%1个文件留在文件夹中，没有写入列表。").arg(copied);
}

} // namespace ExportTexts
