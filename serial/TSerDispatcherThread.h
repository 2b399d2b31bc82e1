#pragma once

#include <atomic>
#include <thread>

class TSerBaseDispatcher;

// A worker of a device layer. It joins the layer's running count while it runs; the layer
// owns it and joins it after it has ended.
class TSerDispatcherThread {
public:
    explicit TSerDispatcherThread(TSerBaseDispatcher& layer) : layer(layer) {}
    virtual ~TSerDispatcherThread();
    TSerDispatcherThread(const TSerDispatcherThread&) = delete;
    TSerDispatcherThread& operator=(const TSerDispatcherThread&) = delete;

    void Start();
    bool HasEnded() const { return ended.load(); }
    void Join();

protected:
    virtual void Execute() = 0;

    TSerBaseDispatcher& layer;

private:
    void Run();

    std::thread thread;
    std::atomic<bool> ended{false};
};
