#pragma once

// Ctrl-C (SIGINT) and SIGTERM, caught for as long as this object lives, so that a long command
// stops cleanly at its next step instead of dying in the middle of a file.
class InterruptSignal {
public:
    InterruptSignal();
    ~InterruptSignal();
    InterruptSignal(const InterruptSignal &) = delete;
    InterruptSignal &operator=(const InterruptSignal &) = delete;

    // Whether one of the signals came since this object was made.
    bool raised() const;
};
