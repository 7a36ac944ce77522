#pragma once

#include <QString>

struct ExportSummary;

// The texts of exporting a list with its files: the dialog's, and the messages that the dialog
// and vantrel-list show alike. Every path is shortened as in the other messages.
namespace ExportTexts {

QString title();
QString folderLabel();
QString browseCaption();
QString keepFolders();
QString flat();
QString windowsForm();
QString startCaption();
QString stopCaption();
QString closeCaption();

// "正在复制第N个文件，共M个：" and the file's name.
QString progress(int done, int total, const QString &file);
QString done(const ExportSummary &summary);
QString stopped(int copied);

// What failed; withCopiesKept adds what stays in the folder.
QString folderFailed(const QString &folder, int error);
QString notInGbk(const QString &entry);
QString readFailed(const QString &source, int error);
QString copyFailed(const QString &source, const QString &target, int error);
QString flushFailed(const QString &folder, int error);
QString withCopiesKept(const QString &message, int copied);

} // namespace ExportTexts
