#include "platform/interruptsignal.h"

#include <csignal>

namespace {

volatile std::sig_atomic_t interrupted = 0;
struct sigaction previousInterrupt {};
struct sigaction previousTerminate {};

void noteSignal(int) {
    interrupted = 1;
}

} // namespace

InterruptSignal::InterruptSignal() {
    interrupted = 0;
    struct sigaction action {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    // Calls in progress go on; the command looks at the flag after each step.
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, &previousInterrupt);
    sigaction(SIGTERM, &action, &previousTerminate);
}

InterruptSignal::~InterruptSignal() {
    sigaction(SIGINT, &previousInterrupt, nullptr);
    sigaction(SIGTERM, &previousTerminate, nullptr);
}

bool InterruptSignal::raised() const {
    return interrupted != 0;
}
