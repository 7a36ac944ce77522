#pragma once

#include "platform/eventpump.h"

class QtEventPump : public EventPump {
public:
    void processEvents() override;
    void showBusyPointer() override;
    void restorePointer() override;
};
