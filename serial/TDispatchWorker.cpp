#include "serial/TDispatchWorker.h"

#include "serial/TSerBaseDispatcher.h"

namespace {
constexpr int WakeIntervalMs = 50;
}

void TDispatchWorker::Execute() {
    layer.started.Raise();
    for (;;) {
        layer.deviceEvent.Wait(WakeIntervalMs);
        if (layer.killFlag.load())
            return;
        const int events = layer.pendingEvents.exchange(0);
        if (!layer.LineDead()) {
            if (events & deModemLines)
                layer.RefreshModemStatus();
            if (events & deLineError) {
                TSerDeviceStatus status;
                layer.ReadDeviceStatus(status);
            }
            layer.MoveReceivedBytes();
        }
        layer.dispatchDone.Raise();
        if (layer.killFlag.load())
            return;
    }
}
