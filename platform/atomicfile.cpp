#include "platform/atomicfile.h"

#include <QSaveFile>

#include <cerrno>
#include <unistd.h>

std::optional<QString> replaceFileContents(const QString &path, const QByteArray &bytes) {
    QSaveFile file(path);
    // Unbuffered, so that every write reports its own failure: a buffered save can lose its last
    // flush on a full disk without commit() noticing.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    qint64 written = 0;
    // A write cut short by a full disk reports no reason; the next one fails with it.
    while (written < bytes.size()) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0)
            return file.errorString();
        written += count;
    }
    // Some file systems find out that the disk is full only when the data is written out. EINVAL
    // means the file cannot be synced at all, which says nothing about its bytes.
    if (::fsync(file.handle()) != 0 && errno != EINVAL)
        return qt_error_string(errno);
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}
