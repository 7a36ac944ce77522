#include "platform/atomicfile.h"

#include <QSaveFile>

#include <cerrno>
#include <unistd.h>

namespace {

// A failure that left no error number is taken for an I/O error.
int failed(int error) {
    return error != 0 ? error : EIO;
}

} // namespace

int replaceFileContents(const QString &path, const QByteArray &bytes) {
    QSaveFile file(path);
    // Unbuffered, so that every write reports its own failure: a buffered save can lose its last
    // flush on a full disk without commit() noticing. Qt's file calls leave the system's error
    // number of a failure in errno.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(errno);
    qint64 written = 0;
    // A write cut short by a full disk reports no reason; the next one fails with it.
    while (written < bytes.size()) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0)
            return failed(errno);
        written += count;
    }
    // Some file systems find out that the disk is full only when the data is written out. EINVAL
    // means the file cannot be synced at all, which says nothing about its bytes.
    if (::fsync(file.handle()) != 0 && errno != EINVAL)
        return errno;
    errno = 0;
    if (!file.commit())
        return failed(errno);
    return 0;
}
