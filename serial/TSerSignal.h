#pragma once

#include <condition_variable>
#include <initializer_list>
#include <mutex>

// An event a thread can wait for, reset automatically when it releases a waiter or explicitly.
// Signals that share a hub can be waited for together.
class TSerSignal {
public:
    // Mutex and condition shared by the list of one device layer.
    struct Hub {
        std::mutex mutex;
        std::condition_variable changed;
    };

    TSerSignal(Hub& hub, bool manualReset) : hub(hub), manualReset(manualReset) {}
    TSerSignal(const TSerSignal&) = delete;
    TSerSignal& operator=(const TSerSignal&) = delete;

    void Raise();
    void Reset();
    // Waits at most timeoutMs (negative: without a limit); true when the signal came.
    bool Wait(int timeoutMs);
    // Waits for the first of the list (all of one hub); its index, or -1 on time-out.
    static int WaitAny(std::initializer_list<TSerSignal*> list, int timeoutMs);

private:
    bool TakeLocked();

    Hub& hub;
    const bool manualReset;
    bool raised = false;
};
