#pragma once

#include "playlist/playlistentry.h"

#include <QHash>
#include <QString>

#include <vector>

// Where each row of a list goes when the list is exported with its files to a folder: which
// files are copied under which names, and the list's own name there. Every name is legal on
// FAT32, exFAT and NTFS, and no two of them are one name on those disks, which ignore case.
class ExportPlan {
public:
    // One file to copy; target is relative to the export's folder, folders separated by "/".
    struct Copy {
        QString source;
        QString target;
        // What the target is made of, for another name when the folder holds another file.
        QString folder;
        QString prefix;
        QString name;
        int number = 1;
    };

    // listName is the list's own file name, empty for a list that has none. Flat puts every
    // file into the folder itself, numbered in list order ("001 a.mp3"); otherwise the files
    // keep the folders below the deepest folder that holds them all.
    ExportPlan(const std::vector<PlaylistEntry> &rows, const QString &listName, bool flat);

    const std::vector<Copy> &copies() const { return m_copies; }
    // The list's file name in the folder: its own name, made legal; "playlist.m3u8" for a list
    // without one; its name with ".m3u8" where Vantrel cannot write its format.
    const QString &listFile() const { return m_listFile; }
    // Rows left out: files that were missing, and folders.
    int missingRows() const { return m_missingRows; }
    int folderRows() const { return m_folderRows; }

    // Another name for a copy, because the folder holds a different file under its name: " (2)",
    // " (3)" … before the extension, never a name of another copy.
    void renameCopy(size_t copy);

    // The exported list's rows in folder: addresses as they are, and each row whose copy is in
    // place (placed, one flag per copy) naming the copy; every other row is left out.
    std::vector<PlaylistEntry> listRows(const QString &folder,
                                        const std::vector<bool> &placed) const;
    // How many rows name a copy that is not in place.
    int rowsWithout(const std::vector<bool> &placed) const;

private:
    struct Claim {
        bool folder;
        QString spelling;
    };

    void planFlat(const std::vector<size_t> &fileRows);
    void planFolders(const std::vector<size_t> &fileRows);
    int addCopy(const QString &source, const QString &folder, const QString &prefix,
                const QString &name);
    void claimName(Copy &copy, int from);
    // The folder's spelling, with its "/", after the one that FAT takes for the same name.
    QString claimFolder(const QString &parent, const QString &name);

    std::vector<PlaylistEntry> m_rows;
    // The copy of each row; NoCopy for addresses and rows left out.
    std::vector<int> m_copyOfRow;
    std::vector<Copy> m_copies;
    // Every name taken, by its key: the list, the copies and their folders.
    QHash<QString, Claim> m_claims;
    QString m_listFile;
    int m_missingRows = 0;
    int m_folderRows = 0;
};
