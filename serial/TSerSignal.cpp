#include "serial/TSerSignal.h"

#include <chrono>

void TSerSignal::Raise() {
    {
        std::lock_guard<std::mutex> lock(hub.mutex);
        raised = true;
    }
    hub.changed.notify_all();
}

void TSerSignal::Reset() {
    std::lock_guard<std::mutex> lock(hub.mutex);
    raised = false;
}

bool TSerSignal::TakeLocked() {
    if (!raised)
        return false;
    if (!manualReset)
        raised = false;
    return true;
}

bool TSerSignal::Wait(int timeoutMs) {
    return WaitAny({this}, timeoutMs) == 0;
}

int TSerSignal::WaitAny(std::initializer_list<TSerSignal*> list, int timeoutMs) {
    Hub& hub = (*list.begin())->hub;
    std::unique_lock<std::mutex> lock(hub.mutex);
    int found = -1;
    auto take = [&] {
        int index = 0;
        for (TSerSignal* signal : list) {
            if (signal->TakeLocked()) {
                found = index;
                return true;
            }
            ++index;
        }
        return false;
    };
    if (timeoutMs < 0)
        hub.changed.wait(lock, take);
    else
        hub.changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), take);
    return found;
}
