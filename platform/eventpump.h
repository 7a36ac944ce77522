#pragma once

// The event pump and the busy pointer that a long command on the user-interface thread needs to
// stay responsive. Tests replace them with a scripted fake.
class EventPump {
public:
    virtual ~EventPump() = default;
    // Whether a pass is due. A long command asks after each small step and pumps only when one
    // is: about once a frame, which repaints its windows and answers every click in time, while
    // the steps between cost nothing but the question.
    virtual bool passDue() = 0;
    // Handles every pending event once and returns.
    virtual void processEvents() = 0;
    // The busy pointer over every window of the program, and back to the normal one.
    virtual void showBusyPointer() = 0;
    virtual void restorePointer() = 0;
};
