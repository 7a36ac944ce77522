#include "platform/standardstreams.h"

#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace StandardStreams {

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
