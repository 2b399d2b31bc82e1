#pragma once

#include "onewire/TKeyTouchTracker.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

class TOneWireBus;

// Searches a 1-Wire bus for touch keys on a thread of its own, about five times a second, and
// reports each newly touched key. The bus is made, used and destroyed on that thread only; the
// signals are emitted on the thread the poller belongs to, from its event loop. A change of the
// bus's state (answering, failing, answering without a reader) is reported once; a failing bus is
// tried again at every search. The bus gets the poller's stop flag, raised by Stop, so that no
// search can hold up the thread that stops the poller.
class TOneWirePoller : public QObject {
    Q_OBJECT
public:
    using TBusFactory = std::function<std::unique_ptr<TOneWireBus>(const std::atomic<bool>& stop)>;
    static constexpr int DefaultIntervalMs = 200;

    explicit TOneWirePoller(TBusFactory makeBus, int intervalMs = DefaultIntervalMs,
                            QObject* parent = nullptr);
    ~TOneWirePoller() override; // stops

    void Start();
    // Returns once the thread has ended and the bus is closed.
    void Stop();
    bool Running() const { return worker.joinable(); }

signals:
    void KeyTouched(const QString& code);
    void BusReady();
    void BusFailed(const QString& message);
    // The bus answers, but there is no real reader to touch keys to.
    void NoReader(const QString& message);

private:
    void run();
    void search(std::unique_ptr<TOneWireBus>& bus, QString& lastState);
    void report(const QString& state, QString& lastState);
    bool waitInterval();
    void post(std::function<void()> signal);

    TBusFactory makeBus;
    int intervalMs;
    TKeyTouchTracker tracker;
    std::thread worker;
    std::mutex mutex;
    std::condition_variable wake;
    bool stopping = false;
    std::atomic<bool> stopFlag{false};
};
