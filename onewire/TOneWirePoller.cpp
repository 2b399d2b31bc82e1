#include "onewire/TOneWirePoller.h"

#include "onewire/TOneWireBus.h"

#include <chrono>
#include <exception>

TOneWirePoller::TOneWirePoller(TBusFactory makeBus, int intervalMs, QObject* parent)
    : QObject(parent), makeBus(std::move(makeBus)), intervalMs(intervalMs) {}

TOneWirePoller::~TOneWirePoller() {
    Stop();
}

void TOneWirePoller::Start() {
    if (worker.joinable())
        return;
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping = false;
    }
    tracker.Reset();
    worker = std::thread([this] { run(); });
}

void TOneWirePoller::Stop() {
    if (!worker.joinable())
        return;
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
    }
    wake.notify_all();
    worker.join();
}

void TOneWirePoller::run() {
    std::unique_ptr<TOneWireBus> bus;
    QString lastError;
    do
        search(bus, lastError);
    while (waitInterval());
}

void TOneWirePoller::search(std::unique_ptr<TOneWireBus>& bus, QString& lastError) {
    try {
        if (!bus) {
            bus = makeBus();
            lastError.clear();
            post([this] { emit BusReady(); });
        }
        for (const QString& code : tracker.Poll(bus->TouchKeys()))
            post([this, code] { emit KeyTouched(code); });
    } catch (const std::exception& e) {
        bus.reset();
        const QString message = QString::fromUtf8(e.what());
        if (message != lastError)
            post([this, message] { emit BusFailed(message); });
        lastError = message;
    }
}

// The signals go out on the poller's own thread, so receivers never see the search thread.
void TOneWirePoller::post(std::function<void()> signal) {
    QMetaObject::invokeMethod(this, std::move(signal), Qt::QueuedConnection);
}

// False when the poller is stopping.
bool TOneWirePoller::waitInterval() {
    std::unique_lock<std::mutex> lock(mutex);
    return !wake.wait_for(lock, std::chrono::milliseconds(intervalMs), [this] { return stopping; });
}
