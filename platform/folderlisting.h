#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The entries of one folder, in the order the file system gives them, hidden ones included and
// "." and ".." left out. Only the directory is read: an entry is stat'ed only when the listing
// itself does not tell its kind.
struct FolderListing {
    // Regular files, and symbolic links to regular files.
    QStringList files;
    // Real subfolders. Symbolic links to folders are left out, so a walk never loops.
    QStringList subfolders;
    // Files and subfolders left out because their names are not valid UTF-8: no path the
    // program builds could name them.
    int undecodableFiles = 0;
    int undecodableFolders = 0;

    // The listing, or nothing when the folder cannot be opened.
    static std::optional<FolderListing> read(const QString &folder);
};
