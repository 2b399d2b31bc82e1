#pragma once

#include "serial/TSerDispatcherThread.h"

// Waits for device events and hands each to the dispatch worker.
class TEventWorker : public TSerDispatcherThread {
public:
    using TSerDispatcherThread::TSerDispatcherThread;

protected:
    void Execute() override;
};
