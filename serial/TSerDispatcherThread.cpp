#include "serial/TSerDispatcherThread.h"

#include "serial/TSerBaseDispatcher.h"

TSerDispatcherThread::~TSerDispatcherThread() {
    Join();
}

void TSerDispatcherThread::Start() {
    thread = std::thread([this] { Run(); });
}

void TSerDispatcherThread::Join() {
    if (thread.joinable())
        thread.join();
}

void TSerDispatcherThread::Run() {
    layer.runningCount.fetch_add(1);
    Execute();
    layer.started.Raise();
    if (layer.runningCount.fetch_sub(1) == 1) {
        std::lock_guard<std::recursive_mutex> lock(layer.stateLock);
        layer.runningMark = false;
    }
    ended.store(true);
    layer.workerEnded.Raise();
}
