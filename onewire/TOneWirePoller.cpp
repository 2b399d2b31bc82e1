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
    stopFlag = false;
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
    stopFlag = true;
    wake.notify_all();
    worker.join();
}

void TOneWirePoller::run() {
    std::unique_ptr<TOneWireBus> bus;
    QString lastState;
    do
        search(bus, lastState);
    while (waitInterval());
}

namespace {
// States as the poller remembers them: "" before the first search, then a letter and a text.
const QChar Ready('R'), Failed('F'), Readerless('N');
} // namespace

void TOneWirePoller::search(std::unique_ptr<TOneWireBus>& bus, QString& lastState) {
    try {
        if (!bus)
            bus = makeBus(stopFlag);
        const QStringList present = bus->TouchKeys();
        const QString problem = bus->ReaderProblem();
        report(problem.isEmpty() ? QString(Ready) : Readerless + problem, lastState);
        for (const QString& code : tracker.Poll(present))
            post([this, code] { emit KeyTouched(code); });
    } catch (const std::exception& e) {
        if (stopFlag)
            return;
        report(Failed + QString::fromUtf8(e.what()), lastState);
    }
}

void TOneWirePoller::report(const QString& state, QString& lastState) {
    if (state == lastState)
        return;
    lastState = state;
    const QString text = state.mid(1);
    if (state[0] == Ready)
        post([this] { emit BusReady(); });
    else if (state[0] == Readerless)
        post([this, text] { emit NoReader(text); });
    else
        post([this, text] { emit BusFailed(text); });
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
