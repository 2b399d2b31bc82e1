#include "serial/TTransmitWorker.h"

#include "serial/TSerBaseDispatcher.h"

void TTransmitWorker::Execute() {
    layer.started.Raise();
    while (!layer.killFlag.load()) {
        const int which = TSerSignal::WaitAny({&layer.outputQueued, &layer.abandonOutput}, -1);
        if (which == 1) {
            layer.started.Raise();
            continue;
        }
        if (layer.killFlag.load())
            return;
        layer.SendQueued();
    }
}
