#include "platform/folderlisting.h"

#include <QFile>
#include <QStringDecoder>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>

namespace {

enum class EntryKind { File, Folder, Other };

EntryKind kindByStat(int folderFd, const char *name, int flags) {
    struct stat info {};
    if (fstatat(folderFd, name, &info, flags) != 0)
        return EntryKind::Other;
    if (S_ISREG(info.st_mode))
        return EntryKind::File;
    if (S_ISDIR(info.st_mode))
        return EntryKind::Folder;
    if (S_ISLNK(info.st_mode))
        return kindByStat(folderFd, name, 0) == EntryKind::File ? EntryKind::File
                                                                : EntryKind::Other;
    return EntryKind::Other;
}

EntryKind kindOf(int folderFd, const dirent &entry) {
    switch (entry.d_type) {
    case DT_REG:
        return EntryKind::File;
    case DT_DIR:
        return EntryKind::Folder;
    case DT_LNK:
        return kindByStat(folderFd, entry.d_name, 0) == EntryKind::File ? EntryKind::File
                                                                        : EntryKind::Other;
    case DT_UNKNOWN:
        return kindByStat(folderFd, entry.d_name, AT_SYMLINK_NOFOLLOW);
    default:
        return EntryKind::Other;
    }
}

bool isDotEntry(const char *name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// The name as a text, or nothing when it is not valid UTF-8. A sequence cut off at the end is an
// error, not held back for more input; a leading byte-order mark is part of the name.
std::optional<QString> decodedName(const char *name) {
    const QByteArrayView bytes(name);
    // Most names are ASCII, which needs no decoder.
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; }))
        return QString::fromLatin1(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString decoded = utf8.decode(bytes);
    if (utf8.hasError())
        return std::nullopt;
    return decoded;
}

} // namespace

std::optional<FolderListing> FolderListing::read(const QString &folder) {
    const std::unique_ptr<DIR, int (*)(DIR *)> dir(opendir(QFile::encodeName(folder).constData()),
                                                   closedir);
    if (!dir)
        return std::nullopt;
    const int fd = dirfd(dir.get());
    FolderListing listing;
    for (;;) {
        errno = 0;
        const dirent *entry = readdir(dir.get());
        if (!entry)
            break;
        if (isDotEntry(entry->d_name))
            continue;
        const EntryKind kind = kindOf(fd, *entry);
        if (kind == EntryKind::Other)
            continue;
        std::optional<QString> name = decodedName(entry->d_name);
        if (!name)
            ++(kind == EntryKind::File ? listing.undecodableFiles : listing.undecodableFolders);
        else
            (kind == EntryKind::File ? listing.files : listing.subfolders) << std::move(*name);
    }
    // A listing cut short by a read error is no listing.
    if (errno != 0)
        return std::nullopt;
    return listing;
}
