#include "platform/standardstreams.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace StandardStreams {

void reserveClosedStreams() {
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        // The lowest free number is the closed one, the lower ones being open by now.
        if (::fcntl(fd, F_GETFD) == -1 && ::open("/dev/null", O_RDONLY) != fd)
            return;
    }
}

int writeOutput(const QByteArray &bytes) {
    errno = 0;
    const size_t written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    if (std::fflush(stdout) != 0 || written != size_t(bytes.size()))
        return errno != 0 ? errno : EIO;
    return 0;
}

void writeError(const QString &text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

bool errorIsTerminal() {
    return ::isatty(STDERR_FILENO) == 1;
}

} // namespace StandardStreams
