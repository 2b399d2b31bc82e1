#pragma once

#include "serial/TSerDispatcherThread.h"

// Moves received bytes into the receive ring on each device event, and at least every 50 ms.
class TDispatchWorker : public TSerDispatcherThread {
public:
    using TSerDispatcherThread::TSerDispatcherThread;

protected:
    void Execute() override;
};
