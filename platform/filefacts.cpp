#include "platform/filefacts.h"

#include <QFile>

#include <climits>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

// A time as the file system gives it, to the millisecond; zero stands for no time at all.
QDateTime localTime(const struct statx_timestamp &time) {
    const qint64 msecs = time.tv_sec * 1000 + time.tv_nsec / 1000000;
    return msecs == 0 ? QDateTime() : QDateTime::fromMSecsSinceEpoch(msecs);
}

qint64 nanoseconds(const struct statx_timestamp &time) {
    return time.tv_sec * 1000000000 + time.tv_nsec;
}

} // namespace

bool FileFacts::isTooLong(const QString &path) {
    return path.size() > PATH_MAX;
}

std::optional<QByteArray> FileFacts::systemName(const QString &path) {
    if (isTooLong(path))
        return std::nullopt;
    QByteArray name = QFile::encodeName(path);
    // The system would read a name only up to its NUL, and so answer for another one.
    if (name.size() > PATH_MAX || name.contains('\0'))
        return std::nullopt;
    return name;
}

std::optional<FileFacts> FileFacts::of(const QString &path) {
    const std::optional<QByteArray> name = systemName(path);
    if (!name)
        return std::nullopt;
    struct statx status {};
    if (statx(AT_FDCWD, name->constData(), 0,
              STATX_TYPE | STATX_SIZE | STATX_MTIME | STATX_CTIME | STATX_BTIME, &status) != 0)
        return std::nullopt;
    FileFacts facts;
    facts.kind = S_ISREG(status.stx_mode)   ? Kind::File
                 : S_ISDIR(status.stx_mode) ? Kind::Folder
                                            : Kind::Other;
    facts.size = qint64(status.stx_size);
    facts.modified = nanoseconds(status.stx_mtime);
    facts.changed = nanoseconds(status.stx_ctime);
    if (status.stx_mask & STATX_BTIME)
        facts.created = localTime(status.stx_btime);
    if (!facts.created.isValid())
        facts.created = localTime(status.stx_mtime);
    return facts;
}

bool FileFacts::exists(const QString &path) {
    const std::optional<QByteArray> name = systemName(path);
    struct statx status {};
    return name && statx(AT_FDCWD, name->constData(), 0, STATX_TYPE, &status) == 0;
}
