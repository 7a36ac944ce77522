#include "listtool/listtooltexts.h"

#include "about/version.h"
#include "media/mediatexts.h"
#include "playlist/playlistformat.h"
#include "playlist/playlisttexts.h"

// Help texts line their columns up for a terminal, where a Chinese character takes two cells.
namespace ListToolTexts {

QString toolHelp() {
    return QStringLiteral("用法：vantrel-list 命令 [参数]\n"
                          "不开窗口，在命令行上制作、转换、检查和修复节目列表。\n"
                          "\n"
                          "命令：\n"
                          "  find     查找文件夹中的节目文件，写成列表\n"
                          "  convert  把列表转换成另一种格式\n"
                          "  check    列出列表中找不到的节目文件，可重新定位或删除它们\n"
                          "  show     显示列表的各项\n"
                          "  export   把列表和其中的节目文件一起复制到文件夹（例如U盘）\n"
                          "\n"
                          "选项：\n"
                          "  -h, --help     显示本帮助后退出\n"
                          "  -v, --version  显示版本后退出\n"
                          "\n"
                          "写入的列表文件的格式由扩展名决定：%1，\n"
                          "写入的文本都是 UTF-8。输出列表写作 - 时，以 M3U 格式写到标准输出，\n"
                          "其中的相对路径相对于当前文件夹。\n"
                          "用 vantrel-list 命令 --help 查看各命令的用法。\n"
                          "\n"
                          "退出状态：0 成功；1 check 之后仍有找不到的节目文件；2 用法不对；\n"
                          "3 输入无法读取或无效；4 写入失败；130 被 Ctrl-C 停止。\n")
        .arg(extensionList());
}

QString findHelp() {
    return QStringLiteral(
        "用法：vantrel-list find 文件夹 [-p 模式]… [--no-subfolders] [--relative] [--tags]\n"
        "                        -o 输出列表\n"
        "像“搜索本机”窗口一样查找文件夹中的节目文件，按名称的自然顺序写成列表。\n"
        "\n"
        "  -p, --pattern 模式     要找的文件名，可给多个，符合其一即可；默认 *.mp3。\n"
        "                         ? 一个字符，* 任意个字符，# 一个数字，[列表] 列表中的\n"
        "                         一个字符，[!列表] 不在列表中的一个字符；不分大小写\n"
        "  --no-subfolders        只查找文件夹本身，不查找子文件夹\n"
        "  --relative             写相对于输出列表所在文件夹的路径，需要时用 ../\n"
        "  --tags                 写入从各文件的标签读出的标题（有艺术家时为“艺术家 - 标题”）\n"
        "                         和时长\n"
        "  -o, --output 输出列表  要写的列表文件，- 表示标准输出\n"
        "  -h, --help             显示本帮助后退出\n"
        "\n"
        "不进入指向文件夹的符号链接；名称不是 UTF-8 编码的文件或文件夹被跳过，\n"
        "结束时在标准错误上说明个数。找到的节目文件超过 32767 个时不写列表。\n"
        "在终端上运行时，标准错误上显示查找进度。\n");
}

QString convertHelp() {
    return QStringLiteral(
        "用法：vantrel-list convert 输入列表 输出列表 [--relative | --absolute] [--tags]\n"
        "读入 Vantrel 能打开的列表，按输出列表的扩展名写成另一种格式；标题、时长、\n"
        "网络地址、找不到的文件和相对路径都保留。\n"
        "\n"
        "  --relative  本机文件都写相对于输出列表所在文件夹的路径，需要时用 ../\n"
        "  --absolute  本机文件都写绝对路径\n"
        "  --tags      列表没有给出标题或时长的项，写入从文件的标签读出的标题（有艺术家时为\n"
        "              “艺术家 - 标题”）和时长\n"
        "  -h, --help  显示本帮助后退出\n"
        "\n"
        "不给这两个选项时，原来是相对路径的项仍写相对路径。与输出列表只有根文件夹 /\n"
        "相同的文件总写绝对路径。\n");
}

QString checkHelp() {
    return QStringLiteral(
        "用法：vantrel-list check 列表 [--relocate 文件夹] [--remove]\n"
        "在标准输出上列出列表中找不到的节目文件，一行一个路径。\n"
        "\n"
        "  --relocate 文件夹  在文件夹及其子文件夹中按文件名找回它们，如同“重新定位…”，\n"
        "                     并改写列表；标准错误上说明找到了几个\n"
        "  --remove           从列表中删除仍然找不到的项，并改写列表\n"
        "  -h, --help         显示本帮助后退出\n"
        "\n"
        "两个选项都给出时，先重新定位，再删除；列出的是重新定位之后仍然找不到的项。\n"
        "退出状态：之后列表中没有找不到的项时为 0，还有时为 1。\n");
}

QString showHelp() {
    return QStringLiteral(
        "用法：vantrel-list show 列表 [--json] [--tags]\n"
        "在标准输出上显示列表的各项，每项一行，四列以制表符分开：\n"
        "  路径  本机文件的绝对路径，或网络地址\n"
        "  标题  列表给出的标题，没有时为空\n"
        "  时长  秒数，未知时为空\n"
        "  存在  1 文件或文件夹存在，0 找不到，网络地址为空\n"
        "字段中的制表符和换行显示为空格。\n"
        "\n"
        "  --json      输出一个 JSON 数组，每项一个对象：path 和 title 为字符串，\n"
        "              length 为秒数或 null，exists 为 true、false 或 null（网络地址）\n"
        "  --tags      读取各本机文件的标签：列表没有给出标题或时长时取标签中的，并在后面\n"
        "              加三列：艺术家、专辑、音轨号（未知时为空）；JSON 中为 artist、album\n"
        "              （字符串或 null）和 track（数字或 null）\n"
        "  -h, --help  显示本帮助后退出\n");
}

QString exportHelp() {
    return QStringLiteral(
        "用法：vantrel-list export 列表 文件夹 [--flat] [--windows] [--tags]\n"
        "像“导出到文件夹…”一样，把列表和其中存在的节目文件一起复制到文件夹（例如U盘）。\n"
        "列表以原来的文件名（新列表为 playlist.m3u8）写在文件夹中，各项都写相对路径，\n"
        "整个文件夹移到别处或别的电脑上也能播放。\n"
        "\n"
        "  --flat      所有文件都放在文件夹中，按列表顺序命名为“001 名称”“002 名称”……，\n"
        "              适合按文件名播放的车载播放器；不给时保留各文件共同的文件夹以下的结构\n"
        "  --windows   路径用 \\ 分隔，.m3u、.pls 和 .ram 列表用 GBK 编码，供 Windows 上的\n"
        "              播放器使用；GBK 不能表示的名称使导出在复制前失败\n"
        "  --tags      列表没有给出标题或时长的项，写入从文件的标签读出的标题和时长\n"
        "  -h, --help  显示本帮助后退出\n"
        "\n"
        "网络地址原样保留；找不到的文件不导出，结束时说明个数。文件名改成 FAT32、exFAT\n"
        "和 NTFS 都能用的名称：\\ : * ? \" < > | # 和控制字符改为 _，去掉末尾的点和空格。\n"
        "文件夹中已有内容相同的文件时不再复制，中断的导出可以再运行一次接着做；同名而内容\n"
        "不同的文件不会被覆盖，新文件名后加“ (2)”。结束前数据都写入磁盘，之后即可拔出U盘。\n"
        "在终端上运行时，标准错误上显示进度。Ctrl-C 停止导出：已复制的文件保留，不写列表，\n"
        "退出状态为 130。磁盘已满或写入失败时不写列表，退出状态为 4。\n");
}

QString versionReply() {
    return QStringLiteral("vantrel-list ") + Version::text() + QLatin1Char('\n');
}

QString messageLine(const QString &message) {
    return QStringLiteral("vantrel-list：") + message + QLatin1Char('\n');
}

QString aboutFile(const QString &path, const QString &message) {
    return QStringLiteral("“%1”：%2").arg(PlaylistTexts::shortened(path), message);
}

QString usageError(const QString &command, const QString &problem) {
    return QStringLiteral("%1：%2\n用 %1 --help 查看用法。\n").arg(command, problem);
}

QString noCommand() {
    return QStringLiteral("缺少命令（find、convert、check、show 或 export）。");
}

QString unknownCommand(const QString &name) {
    return QStringLiteral("不认识的命令“%1”。").arg(PlaylistTexts::shortened(name));
}

QString unknownOptions(const QStringList &names) {
    return QStringLiteral("不认识的选项“%1”。")
        .arg(PlaylistTexts::shortened(names.join(QStringLiteral("”“"))));
}

QString missingValue(const QString &option) {
    return QStringLiteral("选项“%1”后面缺少值。").arg(PlaylistTexts::shortened(option));
}

QString unexpectedValue(const QString &option) {
    return QStringLiteral("选项“%1”不带值。").arg(PlaylistTexts::shortened(option));
}

QString argumentCount(int expected, int given) {
    return QStringLiteral("需要%1个参数，给了%2个。").arg(expected).arg(given);
}

QString noOutput() {
    return QStringLiteral("缺少输出列表（-o 输出列表，或 -o - 写到标准输出）。");
}

QString relativeAndAbsolute() {
    return QStringLiteral("--relative 和 --absolute 只能选一个。");
}

QString invalidPattern(const QString &pattern) {
    return QStringLiteral("模式“%1”无效：方括号没有配对，或范围从大到小。")
        .arg(PlaylistTexts::shortened(pattern));
}

QString tooManyFinds(const QString &folder, int maximum) {
    return QStringLiteral("“%1”中找到的节目文件超过了一个列表最多能容纳的%2个，没有写入列表；"
                          "请用 -p 缩小范围，或分几个文件夹查找。")
        .arg(PlaylistTexts::shortened(folder), QString::number(maximum));
}

QString progress(int examined, int found) {
    return QStringLiteral("已查看%1个文件，").arg(examined) + MediaTexts::foundCount(found);
}

QString exportProgress(int done, int total) {
    return QStringLiteral("正在复制第%1个文件，共%2个").arg(done + 1).arg(total);
}

QString outputFailed(int error) {
    return QStringLiteral("无法写到标准输出。\n") + PlaylistTexts::systemReason(error);
}

QString notUtf8Argument(const QString &argument) {
    return QStringLiteral("参数“%1”不是UTF-8编码的文件名（无法解码的字节显示为�）。")
        .arg(PlaylistTexts::shortened(argument));
}

QString standardOutputName() {
    return QStringLiteral("标准输出.m3u");
}

} // namespace ListToolTexts
