#pragma once

#include "serial/TSerDispatcherThread.h"

// Writes the transmit ring to the device in the background.
class TTransmitWorker : public TSerDispatcherThread {
public:
    using TSerDispatcherThread::TSerDispatcherThread;

protected:
    void Execute() override;
};
