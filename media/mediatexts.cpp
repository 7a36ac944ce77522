#include "media/mediatexts.h"

#include "playlist/playlistentry.h"
#include "playlist/playlisttexts.h"

namespace MediaTexts {

QString addFilter() {
    return QStringLiteral("All Files(*.*)|*.*");
}

QString tooManyFiles() {
    return QStringLiteral("文件名太多，请部分加入后，再加入！");
}

QString startCaption() {
    return QStringLiteral("开始查找");
}

QString stopCaption() {
    return QStringLiteral("停止");
}

QStringList patternList() {
    return {QStringLiteral("*.mp3"), QStringLiteral("*.mp2"), QStringLiteral("*.mp1"),
            QStringLiteral("*.ram"), QStringLiteral("*.rmm"), QStringLiteral("*.ra"),
            QStringLiteral("*.rm"),  QStringLiteral("*.wmv"), QStringLiteral("*.avi"),
            QStringLiteral("*.as"),  QStringLiteral("*.cda"), QStringLiteral("*.mjf"),
            QStringLiteral("*.mod"), QStringLiteral("*.stm"), QStringLiteral("*.s3m"),
            QStringLiteral("*.it"),  QStringLiteral("*.xm"),  QStringLiteral("*.ult"),
            QStringLiteral("*.dat"), QStringLiteral("*.asf"), QStringLiteral("*.cmf"),
            QStringLiteral("*.cmn"), QStringLiteral("*.mpg"), QStringLiteral("*.mpeg"),
            QStringLiteral("*.ifo"), QStringLiteral("*.vob"), QStringLiteral("*.grf"),
            QStringLiteral("*.avi"), QStringLiteral("*.mpg"), QStringLiteral("*.mpeg"),
            QStringLiteral("*.mov"), QStringLiteral("*.qt"),  QStringLiteral("*.anim"),
            QStringLiteral("*.vqt"), QStringLiteral("*.voc"), QStringLiteral("*.wav"),
            QStringLiteral("*.wma")};
}

QString progress(const QString &path) {
    return QStringLiteral("正在查找") + path + QStringLiteral("...");
}

QString foundCount(int count) {
    return QStringLiteral("共找到 %1个节目文件").arg(count);
}

QString completed() {
    return QStringLiteral("完成查找！");
}

QString stopped() {
    return QStringLiteral("停止查找！");
}

QString listFull() {
    return QStringLiteral("列表已满（最多%1个节目文件），停止查找！").arg(MaxRows);
}

namespace {

QString undecodable(int count) {
    return QStringLiteral("%1个名称不是UTF-8编码的文件或文件夹").arg(count);
}

} // namespace

QString skippedNames(int skipped) {
    return QStringLiteral("已跳过") + undecodable(skipped) + QStringLiteral("。");
}

QString withSkipped(const QString &endMessage, int undecodableNames, int listed) {
    QStringList skipped;
    if (undecodableNames > 0)
        skipped << undecodable(undecodableNames);
    if (listed > 0)
        skipped << QStringLiteral("%1个列表中已有的节目文件").arg(listed);
    if (skipped.isEmpty())
        return endMessage;
    return endMessage + QStringLiteral("\n已跳过") + skipped.join(QStringLiteral("、")) +
           QStringLiteral("。");
}

QString collectingDrop(int examined) {
    return QStringLiteral("正在读取拖入的文件夹：已查看%1个文件…").arg(examined);
}

QString noFolder(const QString &location) {
    return QStringLiteral("找不到文件夹“%1”，请检查位置！").arg(PlaylistTexts::shortened(location));
}

QString readingTags(int done, int total) {
    return QStringLiteral("正在读取标签 %1/%2").arg(done).arg(total);
}

} // namespace MediaTexts
