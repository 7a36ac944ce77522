#include "platform/diskfolder.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace DiskFolder {

int make(const QString &folder) {
    return ::mkdir(QFile::encodeName(folder).constData(), 0777) == 0 ? 0 : errno;
}

int syncFileSystem(const QString &folder) {
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    // Since Linux 5.8 syncfs also reports the write-back errors of the file system.
    const int error = ::syncfs(fd) == 0 ? 0 : errno;
    ::close(fd);
    return error;
}

} // namespace DiskFolder
