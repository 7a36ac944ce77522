#include "platform/regularfile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

RegularFileBytes refused(RegularFileBytes::Status status, int error = 0) {
    return {status, {}, error};
}

} // namespace

RegularFileBytes RegularFileBytes::read(const QString &path, qint64 maxSize) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    // A socket cannot even be opened; tell it apart from a file that is missing.
    if (::stat(name.constData(), &info) != 0)
        return refused(Status::CannotOpen, errno);
    if (!S_ISREG(info.st_mode))
        return refused(Status::NotRegular);

    // Non-blocking, so that a FIFO put in the file's place since the check cannot hang the open.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return refused(Status::CannotOpen, errno);
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return refused(Status::CannotOpen, EBADF);
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return refused(Status::NotRegular);
    if (info.st_size > maxSize)
        return refused(Status::TooLarge);

    // One byte more than the limit tells a file that grew past it since the check.
    RegularFileBytes result;
    result.bytes = file.read(maxSize + 1);
    if (file.error() != QFileDevice::NoError)
        return refused(Status::CannotOpen, EIO);
    if (result.bytes.size() > maxSize)
        return refused(Status::TooLarge);
    return result;
}
