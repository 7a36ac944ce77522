#pragma once

#include "media/readingorder.h"

#include <QString>

#include <functional>

// Walks a folder, and on request its subfolders, depth first: a folder's own files, then each
// subfolder's whole tree, files and subfolders each in reading order, as a file manager lists
// them. Links to files are files; links to folders are not followed, so a walk never loops. A
// folder that cannot be listed is skipped with its subtree. A name that is not valid UTF-8
// cannot be named by any path the program builds: that file or folder alone is skipped, and
// counted.
class FolderWalk {
public:
    struct Visitor {
        // Each file of the folder being walked, by its folder's path (ending in '/') and its
        // name, so that a visitor builds the full path only where it needs it; answers whether
        // the walk goes on.
        std::function<bool(const QString &folder, const QString &name)> file;
        // Asked before each subfolder is entered; answers whether the walk goes on. When unset,
        // every subfolder is entered.
        std::function<bool()> enterSubfolder;
    };

    FolderWalk(Visitor visitor, bool subfolders);

    // Walks the tree under folder; false when the visitor ended the walk.
    bool run(const QString &folder);

    // Names skipped so far because they are not valid UTF-8.
    int skippedNames() const { return m_skippedNames; }

private:
    Visitor m_visitor;
    ReadingOrder m_order;
    bool m_subfolders;
    int m_skippedNames = 0;
};
