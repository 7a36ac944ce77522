#pragma once

#include "platform/eventpump.h"

#include <QElapsedTimer>

class QtEventPump : public EventPump {
public:
    bool passDue() override;
    void processEvents() override;
    void showBusyPointer() override;
    void restorePointer() override;

private:
    QElapsedTimer m_sinceLastPass;
};
