#pragma once

#include <QString>
#include <QStringList>

// Texts of the media search dialog.
namespace SearchTexts {

// The patterns offered by the name box, in their order; three of them appear twice.
QStringList patternList();
// "正在查找" + path + "..."
QString progress(const QString &path);
// "共找到 N个节目文件": the blank stands where a sign would go.
QString foundCount(int count);
QString completed();
QString stopped();
// Told when the location names no folder that can be listed.
QString noFolder(const QString &location);

} // namespace SearchTexts
