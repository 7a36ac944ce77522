#pragma once

#include <QString>

// Texts of the main window that depend on nothing but the program's version and the list.
namespace AppTexts {

inline constexpr int MajorVersion = 1;
inline constexpr int MinorVersion = 0;
inline constexpr int Revision = 9;

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

} // namespace AppTexts
