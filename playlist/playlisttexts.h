#pragma once

#include <QString>

// The user texts of the playlist commands: the dialog filter, the question and every message.
// A path or text quoted in a message is shortened in the middle, so every message box fits the
// screen.
namespace PlaylistTexts {

// At most MaxQuoted characters: the start and the end of text with "…" between them.
inline constexpr int MaxQuoted = 120;
QString shortened(const QString &text);

// The filter of the open and save dialogs: PLS, M3U and RAM files.
QString dialogFilter();
QString unsavedQuestion();
QString notPls();

// Saving: each names the file that was not written.
QString unknownExtension(const QString &target);
QString lineBreakInPath(const QString &target, const QString &path);
QString unrepresentablePath(const QString &target, const QString &path);
QString writeFailed(const QString &target, const QString &reason);

// Opening: each says what failed; the list was left as it was.
QString readFailed(const QString &list, const QString &reason);
QString notRegularFile(const QString &list);
QString tooLarge(const QString &list, qint64 maxMiB);
QString cannotOpenFormat(const QString &list);
QString missingMediaFile(const QString &list, const QString &mediaPath);
QString missingPlsEntry(const QString &list, int number);
QString blankLine(const QString &list, int lineNumber);
QString tooManyEntries(const QString &list, qsizetype count, int maximum);
QString notOneFile();

} // namespace PlaylistTexts
