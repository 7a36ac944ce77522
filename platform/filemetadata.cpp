#include "platform/filemetadata.h"

#include <QByteArrayList>

#include <cerrno>
#include <optional>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

// What a call that fills a buffer answers: asked once for the size and once for the bytes, and
// again when they grew in between. Nothing when the call failed, errno saying why.
template <typename Call> std::optional<QByteArray> sizedBytes(Call call) {
    for (;;) {
        const ssize_t size = call(nullptr, 0);
        if (size < 0)
            return std::nullopt;
        QByteArray bytes(qsizetype(size), Qt::Uninitialized);
        const ssize_t got = call(bytes.data(), size_t(size));
        if (got >= 0)
            return bytes.left(got);
        if (errno != ERANGE)
            return std::nullopt;
    }
}

// The names in a list of listxattr(), each ended by a NUL.
QByteArrayList attributeNames(const QByteArray &list) {
    QByteArrayList names = list.split('\0');
    names.removeLast();
    return names;
}

// Attributes that only root or a security module may set.
bool notPermitted(int error) {
    return error == EPERM || error == EACCES || error == ENOTSUP;
}

int keepOwner(const struct stat &info, int fd) {
    if (::fchown(fd, info.st_uid, info.st_gid) == 0)
        return 0;
    if (errno == EPERM && ::fchown(fd, uid_t(-1), info.st_gid) == 0)
        return 0;
    // Not permitted: the new file stays the saver's.
    return errno == EPERM ? 0 : errno;
}

int copyAttributes(const QByteArray &path, int fd) {
    const char *from = path.constData();
    const std::optional<QByteArray> list =
        sizedBytes([from](char *buffer, size_t size) { return ::listxattr(from, buffer, size); });
    if (!list)
        return errno == ENOTSUP ? 0 : errno;
    const QByteArrayList names = attributeNames(*list);
    // What the new file was given by its folder (a default ACL) and the old one lacks goes.
    const std::optional<QByteArray> given =
        sizedBytes([fd](char *buffer, size_t size) { return ::flistxattr(fd, buffer, size); });
    for (const QByteArray &name : attributeNames(given.value_or(QByteArray()))) {
        if (!names.contains(name) && ::fremovexattr(fd, name.constData()) != 0 &&
            !notPermitted(errno))
            return errno;
    }
    for (const QByteArray &name : names) {
        const std::optional<QByteArray> value = sizedBytes([&](char *buffer, size_t size) {
            return ::getxattr(from, name.constData(), buffer, size);
        });
        // Removed since the list was read.
        if (!value && errno == ENODATA)
            continue;
        if (!value)
            return errno;
        if (::fsetxattr(fd, name.constData(), value->constData(), size_t(value->size()), 0) != 0 &&
            !notPermitted(errno))
            return errno;
    }
    return 0;
}

} // namespace

int copyFileMetadata(const QByteArray &path, const struct stat &info, int fd) {
    // In this order: a new owner clears the setgid bit, and an ACL sets the group's bits.
    if (const int error = keepOwner(info, fd))
        return error;
    if (const int error = copyAttributes(path, fd))
        return error;
    return ::fchmod(fd, info.st_mode & 07777) == 0 ? 0 : errno;
}
