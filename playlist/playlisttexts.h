#pragma once

#include <QString>
#include <QStringList>

// The user texts of the playlist commands: the dialog filter, the question and every message.
// A path or text quoted in a message is shortened in the middle, so every message box fits the
// screen.
namespace PlaylistTexts {

// At most maximum characters: the start and the end of text with "…" between them.
inline constexpr int MaxQuoted = 120;
QString shortened(const QString &text, qsizetype maximum = MaxQuoted);

// The filter of the open dialog: every playlist it reads first, then each format, then every
// file.
QString openFilter();
// The filter of the save dialogs: each format it writes, PLS, M3U and RAM files first.
QString saveFilter();
QString unsavedQuestion();
QString notPls();
QString notAsx();
QString notXspf();

// Saving: each names the file that was not written.
QString unknownExtension(const QString &target);
QString lineBreakInPath(const QString &target, const QString &path);
QString unrepresentablePath(const QString &target, const QString &path);
QString notRegularTarget(const QString &target);
// The system's reason for error; backup names where the old contents are when writing failed in
// the middle and they could not be put back.
QString writeFailed(const QString &target, int error, const QString &backup = {});

// Why the system failed, in the user's words: the kind of failure error stands for (no space,
// a read-only disk, no permission…), the system's own text only for the rare rest.
QString systemReason(int error);

// Opening: each says what failed; the list was left as it was.
QString readFailed(const QString &list, int error);
QString notRegularFile(const QString &list);
QString tooLarge(const QString &list, qint64 maxMiB);
QString cannotOpenFormat(const QString &list);
QString tooManyEntries(const QString &list, qsizetype count, int maximum);
QString notOneFile();

// After a list opened: how many of its entries were not found, and the first of them.
QString missingEntries(int count, const QStringList &firstPaths);
// The tooltip of a row whose file was not found.
QString notFoundTip();
// The tooltip lines of a row's title and of its length in seconds.
QString titleTip(const QString &title);
QString lengthTip(int seconds);

// Repairing a list.
QString nothingMissing();
QString relocated(int found, int stillMissing);
// While relocation walks a tree, and when it was stopped.
QString relocating(int examined);
QString relocationStopped(int found, int stillMissing);

} // namespace PlaylistTexts
