#pragma once

#include <QHashFunctions>
#include <QString>

#include <optional>

// What names one file whatever path leads to it: its device and its inode, links followed. Two
// paths to one file, a link among them, have the same identity.
struct FileIdentity {
    quint64 device = 0;
    quint64 inode = 0;

    bool operator==(const FileIdentity &other) const {
        return device == other.device && inode == other.inode;
    }

    // The identity of what is at path, or nothing when nothing can be reached there.
    static std::optional<FileIdentity> of(const QString &path);
};

inline size_t qHash(const FileIdentity &identity, size_t seed = 0) {
    return qHashMulti(seed, identity.device, identity.inode);
}
