#pragma once

#include <QString>
#include <QStringList>

// Texts of the commands that add media: Add and the media search dialog.
namespace MediaTexts {

// Add's file dialog filter: every file.
QString addFilter();
// The selection would take the table past the rows it holds.
QString tooManyFiles();

// The search dialog's start button, and what it reads while a scan runs.
QString startCaption();
QString stopCaption();

// The patterns offered by the name box, in their order; three of them appear twice.
QStringList patternList();
// "正在查找" + path + "..."
QString progress(const QString &path);
// "共找到 N个节目文件": the blank stands where a sign would go.
QString foundCount(int count);
QString completed();
QString stopped();
// The scan ended because the table holds all the rows it can.
QString listFull();
// How many names were skipped for not being UTF-8.
QString skippedNames(int skipped);
// The end message, and on its second line what was skipped: names that are not UTF-8, files
// the table lists already.
QString withSkipped(const QString &endMessage, int undecodableNames, int listed);
// While a dropped folder is read.
QString collectingDrop(int examined);
// Told when the location names no folder that can be listed.
QString noFolder(const QString &location);

// "正在读取标签 1234/32767": while the rows' tags are read.
QString readingTags(int done, int total);

} // namespace MediaTexts
