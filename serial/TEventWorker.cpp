#include "serial/TEventWorker.h"

#include "serial/TSerBaseDispatcher.h"

namespace {
// While the receive ring is full the device is not watched, or its pending bytes would wake
// this worker without pause; a read that makes room ends the wait early.
constexpr int FullRingPauseMs = 50;
} // namespace

void TEventWorker::Execute() {
    layer.started.Raise();
    while (!layer.killFlag.load()) {
        const bool dead = layer.LineDead();
        if (!dead && layer.InBufferUsed() == TSerBaseDispatcher::InBufferSize) {
            layer.roomMade.Wait(FullRingPauseMs);
            continue;
        }
        const int events = layer.WaitDeviceEvent(!dead, -1);
        if ((events & deCancelled) || layer.killFlag.load())
            return;
        if (events == 0)
            continue;
        if (events & deHangup)
            layer.MarkLineDead();
        layer.pendingEvents.fetch_or(events);
        layer.deviceEvent.Raise();
        layer.dispatchDone.Wait(-1);
    }
}
