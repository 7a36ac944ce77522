#pragma once

#include <QKeySequence>
#include <QString>
#include <QStringList>

// Texts of the main window that depend on nothing but the program's version and the list.
namespace AppTexts {

QString title();
// The name of a list that has no file of its own.
QString newListName();
// Caption set once at start-up: "Vantrel V1.0 --- 新列表".
QString startupCaption();
// Caption set by New, Open and Save: "VantrelV 1.0 --- " + name (the blank stands where a
// sign would go).
QString documentCaption(const QString &name);
// "共有N个节目文件！"
QString countMessage(int rowCount);
// Beside the count message while a filter is set: "显示N个".
QString shownMessage(int shownCount);
// After 删除重复项: how many rows went, or that there were none.
QString duplicatesRemoved(int count);
// A song's length, "3:05", or past an hour "1:02:03".
QString duration(qint64 seconds);
// The status bar's total time of the rows: "总时长：1:02:03", "总时长：至少1:02:03" while the
// length of some rows is unknown, and nothing when no row's length is known.
QString totalLength(qint64 seconds, int known, int unknown);
// "正在读取标签 1234/32767"
QString readingTags(int done, int total);
// A picture button's tooltip: its command's caption and shortcut, "新建 (Ctrl+N)".
QString buttonTip(const QString &caption, const QKeySequence &shortcut);

// The command line's answers: usage, "Vantrel 1.0.9", and the usage errors.
QString commandLineHelp();
QString versionReply();
QString unknownOptions(const QStringList &names);
QString severalFiles();

} // namespace AppTexts
