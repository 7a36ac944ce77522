#include "media/folderwalk.h"

#include "platform/folderlisting.h"

#include <utility>

FolderWalk::FolderWalk(Visitor visitor, bool subfolders)
    : m_visitor(std::move(visitor))
    , m_subfolders(subfolders) {}

bool FolderWalk::run(const QString &folder) {
    std::optional<FolderListing> listing = FolderListing::read(folder);
    if (!listing)
        return true;
    // A folder that the walk would not enter is no name skipped.
    m_skippedNames += listing->undecodableFiles + (m_subfolders ? listing->undecodableFolders : 0);
    const QString prefix = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    m_order.sort(listing->files);
    for (const QString &name : std::as_const(listing->files)) {
        if (!m_visitor.file(prefix, name))
            return false;
    }
    if (!m_subfolders)
        return true;
    m_order.sort(listing->subfolders);
    for (const QString &name : std::as_const(listing->subfolders)) {
        if (m_visitor.enterSubfolder && !m_visitor.enterSubfolder())
            return false;
        if (!run(prefix + name))
            return false;
    }
    return true;
}
