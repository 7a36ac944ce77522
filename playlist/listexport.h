#pragma once

#include "playlist/entrylocations.h"
#include "playlist/exportplan.h"
#include "playlist/playlistentry.h"
#include "playlist/result.h"

#include <QString>

#include <functional>
#include <vector>

// How a list is exported: flat (every file in the folder itself, numbered in list order), and
// in the form players on Windows read ("\" between folders, GBK in .m3u, .pls and .ram); with
// the files' tags where a row has no title or length of its own (unset: none).
struct ExportOptions {
    bool flat = false;
    bool windows = false;
    TagsOf tagsOf = {};
};

// Where a running export is: files handled before this one, files in all, and the one at hand.
struct ExportProgress {
    int done;
    int total;
    const QString &source;
};

// What a finished export did.
struct ExportSummary {
    int copied = 0;
    // Files that the folder already held with the same bytes.
    int alreadyThere = 0;
    // Rows left out: files that were not found, and folders.
    int missing = 0;
    int folders = 0;
    QString list;
};

// A list exported with its files to a folder, such as a stick: every local file that exists is
// copied, never over another file and never twice; the list is written there with relative
// entries once every copy is in place, and everything is on the disk before the export is done.
// A stop or a failure leaves the copies made, and no list that names a copy missing.
class ListExport {
public:
    // Answers after each small step whether the export goes on.
    using KeepGoing = std::function<bool(const ExportProgress &)>;

    // folder is a clean absolute path; it is made when its parent exists.
    ListExport(const std::vector<PlaylistEntry> &rows, const QString &listName,
               const QString &folder, const ExportOptions &options);

    // Failure kinds: NotFound (no folder), Unrepresentable (the list cannot be written in its
    // form; nothing copied), Unreadable (a file to copy), NoSpace, WriteFailed, Stopped.
    Result<ExportSummary> run(const KeepGoing &keepGoing);

private:
    Result<void> prepareFolder();
    Result<void> checkList() const;
    Result<void> place(size_t copy, const KeepGoing &keepGoing);
    Failure notDone(Failure failure);
    QString listPath() const;
    WriteOptions listOptions() const;

    ExportPlan m_plan;
    QString m_folder;
    WriteOptions m_options;
    std::vector<bool> m_placed;
    ExportSummary m_summary;
};
