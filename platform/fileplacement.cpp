#include "platform/fileplacement.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Up to size bytes, fewer only at the end of the file; -1 on an error.
qint64 readFully(int fd, char *data, qint64 size) {
    qint64 done = 0;
    while (done < size) {
        const ssize_t count = ::read(fd, data + done, size_t(size - done));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return -1;
        if (count == 0)
            break;
        done += count;
    }
    return done;
}

bool writeFully(int fd, const char *data, qint64 size) {
    while (size > 0) {
        const ssize_t count = ::write(fd, data, size_t(size));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return false;
        data += count;
        size -= count;
    }
    return true;
}

QByteArray parentOf(const QByteArray &path) {
    return path.left(path.lastIndexOf('/'));
}

// The copy calls that some file systems or kernels do not offer; another method then serves.
bool unsupported(int error) {
    return error == EXDEV || error == EINVAL || error == ENOSYS || error == EOPNOTSUPP;
}

} // namespace

FilePlacement::FilePlacement(const QString &source, const QString &folder, const QString &target)
    : m_source(QFile::encodeName(source))
    , m_folder(QFile::encodeName(folder))
    , m_target(m_folder + '/' + QFile::encodeName(target)) {}

FilePlacement::~FilePlacement() {
    if (m_sourceFd >= 0)
        ::close(m_sourceFd);
    if (m_targetFd >= 0)
        ::close(m_targetFd);
    if (!m_temporary.isEmpty())
        ::unlink(m_temporary.constData());
}

FilePlacement::State FilePlacement::step() {
    switch (m_phase) {
    case Phase::Start:
        return begin();
    case Phase::Comparing:
        return compare();
    case Phase::Copying:
        return copy();
    case Phase::Over:
        break;
    }
    return m_end;
}

FilePlacement::State FilePlacement::begin() {
    m_sourceFd = ::open(m_source.constData(), O_RDONLY | O_CLOEXEC);
    struct stat source {};
    if (m_sourceFd < 0 || ::fstat(m_sourceFd, &source) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return over(State::SourceMissing);
        return failed(State::SourceFailed, errno, QFile::decodeName(m_source));
    }
    if (!S_ISREG(source.st_mode))
        return over(State::SourceMissing);
    m_size = source.st_size;

    // Never followed: a link at the target is not the export's to write through.
    m_targetFd = ::open(m_target.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (m_targetFd < 0) {
        if (errno == ELOOP)
            return over(State::Occupied);
        if (errno != ENOENT)
            return failed(State::TargetFailed, errno, QFile::decodeName(m_target));
        return startCopy();
    }
    struct stat target {};
    if (::fstat(m_targetFd, &target) != 0)
        return failed(State::TargetFailed, errno, QFile::decodeName(m_target));
    if (!S_ISREG(target.st_mode) || target.st_size != source.st_size)
        return over(State::Occupied);
    // A list on the disk exported into its own folder names files that are already there.
    if (target.st_dev == source.st_dev && target.st_ino == source.st_ino)
        return over(State::AlreadyThere);
    m_phase = Phase::Comparing;
    return State::Working;
}

FilePlacement::State FilePlacement::startCopy() {
    const QByteArray folder = parentOf(m_target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        m_temporary = folder + "/.vantrel-" +
                      QByteArray::number(QRandomGenerator::global()->generate(), 16) + ".part";
        m_targetFd = ::open(m_temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_targetFd >= 0)
            break;
        const int error = errno;
        m_temporary.clear();
        // The folders on the way are made only when the first file into them needs them.
        if (error == ENOENT && attempt == 0) {
            if (const int folderError = makeFolders(folder))
                return failed(State::TargetFailed, folderError, m_failedPath);
        } else if (error != EEXIST) {
            return failed(State::TargetFailed, error, QFile::decodeName(m_target));
        }
    }
    if (m_targetFd < 0)
        return failed(State::TargetFailed, EEXIST, QFile::decodeName(m_target));
    m_phase = Phase::Copying;
    return State::Working;
}

FilePlacement::State FilePlacement::compare() {
    m_buffer.resize(StepBytes);
    m_otherBuffer.resize(StepBytes);
    const qint64 count = readFully(m_sourceFd, m_buffer.data(), StepBytes);
    if (count < 0)
        return failed(State::SourceFailed, errno, QFile::decodeName(m_source));
    const qint64 other = readFully(m_targetFd, m_otherBuffer.data(), StepBytes);
    if (other < 0)
        return failed(State::TargetFailed, errno, QFile::decodeName(m_target));
    if (count != other || std::memcmp(m_buffer.constData(), m_otherBuffer.constData(), count) != 0)
        return over(State::Occupied);
    return count == 0 ? over(State::AlreadyThere) : State::Working;
}

FilePlacement::State FilePlacement::copy() {
    // The size found at the start is copied: asking past it would cost a call per file.
    const qint64 wanted = std::min(StepBytes, m_size - m_copied);
    if (wanted <= 0)
        return finish();
    ssize_t count = -1;
    if (m_method == Method::CopyRange) {
        count = ::copy_file_range(m_sourceFd, nullptr, m_targetFd, nullptr, size_t(wanted), 0);
        if (count < 0 && m_copied == 0 && unsupported(errno))
            m_method = Method::SendFile;
    }
    if (m_method == Method::SendFile) {
        count = ::sendfile(m_targetFd, m_sourceFd, nullptr, size_t(wanted));
        if (count < 0 && m_copied == 0 && unsupported(errno))
            m_method = Method::ReadWrite;
    }
    if (m_method == Method::ReadWrite) {
        m_buffer.resize(StepBytes);
        count = readFully(m_sourceFd, m_buffer.data(), wanted);
        if (count < 0)
            return failed(State::SourceFailed, errno, QFile::decodeName(m_source));
        if (!writeFully(m_targetFd, m_buffer.constData(), count))
            return failed(State::TargetFailed, errno, QFile::decodeName(m_target));
    }
    if (count < 0 && errno != EINTR)
        return failed(State::TargetFailed, errno, QFile::decodeName(m_target));
    // A source that shrank since the start ends the copy where it ends now.
    if (count == 0)
        return finish();
    m_copied += std::max<ssize_t>(count, 0);
    return State::Working;
}

FilePlacement::State FilePlacement::finish() {
    const int closed = ::close(m_targetFd);
    m_targetFd = -1;
    if (closed != 0)
        return failed(State::TargetFailed, errno, QFile::decodeName(m_target));
    if (::renameat2(AT_FDCWD, m_temporary.constData(), AT_FDCWD, m_target.constData(),
                    RENAME_NOREPLACE) != 0) {
        if (errno == EEXIST)
            return over(State::Occupied);
        if (errno != EINVAL)
            return failed(State::TargetFailed, errno, QFile::decodeName(m_target));
        // A file system that cannot refuse to replace: look first.
        struct stat info {};
        if (::lstat(m_target.constData(), &info) == 0)
            return over(State::Occupied);
        if (::rename(m_temporary.constData(), m_target.constData()) != 0)
            return failed(State::TargetFailed, errno, QFile::decodeName(m_target));
    }
    m_temporary.clear();
    return over(State::Copied);
}

FilePlacement::State FilePlacement::over(State state) {
    m_phase = Phase::Over;
    m_end = state;
    return state;
}

FilePlacement::State FilePlacement::failed(State state, int error, const QString &path) {
    m_error = error;
    m_failedPath = path;
    return over(state);
}

int FilePlacement::makeFolders(const QByteArray &folder) {
    // The export's own folder exists; nothing above it is made.
    if (folder.size() <= m_folder.size())
        return 0;
    if (::mkdir(folder.constData(), 0777) == 0)
        return 0;
    int error = errno;
    if (error == ENOENT) {
        if (const int parentError = makeFolders(parentOf(folder)))
            return parentError;
        if (::mkdir(folder.constData(), 0777) == 0)
            return 0;
        error = errno;
    }
    struct stat info {};
    if (error == EEXIST && ::stat(folder.constData(), &info) == 0 && S_ISDIR(info.st_mode))
        return 0;
    m_failedPath = QFile::decodeName(folder);
    // Something other than a folder holds its name.
    return error == EEXIST ? ENOTDIR : error;
}
