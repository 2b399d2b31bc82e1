#include "TEventWorker.h"

#include "TSerBaseDispatcher.h"

namespace {
// While the receive ring is full the device is not watched, or its pending bytes would wake
// this worker without pause; the dispatch worker's own wakes take them once there is room.
constexpr int FullRingPauseMs = 50;
} // namespace

void TEventWorker::Execute() {
    layer.started.Raise();
    while (!layer.killFlag.load()) {
        const bool dead = layer.LineDead();
        const bool full = !dead && layer.InBufferUsed() == TSerBaseDispatcher::InBufferSize;
        const int events = layer.WaitDeviceEvent(!dead && !full, full ? FullRingPauseMs : -1);
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
