#include "platform/atomicfile.h"

#include "platform/filemetadata.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

FileReplacement failed(int error, const QString &backup = {}) {
    // A failure that left no error number is taken for an I/O error.
    return {FileReplacement::Status::Failed, error != 0 ? error : EIO, backup};
}

// The file that path names, its links followed as far as the system follows them. A link to
// nothing names the file that a save creates.
QString linkedFile(const QString &path) {
    QFileInfo file(path);
    for (int links = 0; file.isSymLink() && links < 40; ++links)
        file.setFile(file.symLinkTarget());
    return file.filePath();
}

// Writes bytes from the start of the file; answers 0 or the system's error number.
int writeAll(int fd, const QByteArray &bytes) {
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::pwrite(fd, bytes.constData() + written,
                                       size_t(bytes.size() - written), off_t(written));
        if (count < 0 && errno == EINTR)
            continue;
        // A write cut short by a full disk reports no reason; the next one fails with it.
        if (count <= 0)
            return count < 0 ? errno : EIO;
        written += count;
    }
    return 0;
}

// Some file systems find out that the disk is full only when the data is written out. EINVAL
// means the file cannot be synced at all, which says nothing about its bytes.
int sync(int fd) {
    return ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
}

// So that a name made in the folder outlives a crash.
int syncFolder(const QString &folder) {
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int error = sync(fd);
    ::close(fd);
    return error;
}

// A new file beside target takes its place, with the owner, mode and attributes of the old one
// when there is one.
FileReplacement replace(const QString &target, const QByteArray &bytes, const struct stat *old) {
    QSaveFile file(target);
    // Qt's file calls leave the system's reason for a failure in errno.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(errno);
    // The old file's bits go on last: writing clears a setgid bit.
    int error = writeAll(file.handle(), bytes);
    if (error == 0 && old)
        error = copyFileMetadata(QFile::encodeName(target), *old, file.handle());
    if (error == 0)
        error = sync(file.handle());
    if (error != 0)
        return failed(error);
    errno = 0;
    if (!file.commit())
        return failed(errno);
    return {};
}

FileReplacement writeInPlace(const QString &target, const QByteArray &bytes) {
    // Non-blocking, and looked at again once open: a FIFO may have taken the file's place.
    const int fd = ::open(QFile::encodeName(target).constData(),
                          O_RDWR | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return failed(errno);
    QFile file;
    if (!file.open(fd, QIODevice::ReadWrite, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return failed(EBADF);
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return failed(errno);
    if (!S_ISREG(info.st_mode))
        return {FileReplacement::Status::NotRegular, 0, {}};
    const QByteArray old = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return failed(EIO);

    const QFileInfo name(target);
    QTemporaryFile backup(name.path() + QStringLiteral("/.") + name.fileName() +
                          QStringLiteral(".XXXXXX~"));
    if (!backup.open())
        return failed(errno);
    int error = writeAll(backup.handle(), old);
    if (error == 0)
        error = sync(backup.handle());
    if (error == 0)
        error = syncFolder(name.path());
    if (error != 0)
        return failed(error);

    error = writeAll(fd, bytes);
    if (error == 0 && ::ftruncate(fd, off_t(bytes.size())) != 0)
        error = errno;
    // Writing clears a setgid bit unless root writes; the file's owner may set it again.
    if (error == 0 && ::fchmod(fd, info.st_mode & 07777) != 0 && errno != EPERM)
        error = errno;
    if (error == 0)
        error = sync(fd);
    if (error == 0)
        return {};
    // The backup goes once the old contents are back; it stays when they cannot be.
    if (writeAll(fd, old) == 0 && ::ftruncate(fd, off_t(old.size())) == 0 && sync(fd) == 0)
        return failed(error);
    backup.setAutoRemove(false);
    return failed(error, backup.fileName());
}

} // namespace

FileReplacement replaceFileContents(const QString &path, const QByteArray &bytes) {
    const QString target = linkedFile(path);
    const QByteArray name = QFile::encodeName(target);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return errno == ENOENT ? replace(target, bytes, nullptr) : failed(errno);
    if (!S_ISREG(info.st_mode))
        return {FileReplacement::Status::NotRegular, 0, {}};
    // A file whose mode keeps the user from writing it is not replaced behind the mode's back.
    if (::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) != 0)
        return failed(errno);
    return info.st_nlink > 1 ? writeInPlace(target, bytes) : replace(target, bytes, &info);
}
