#pragma once

#include "onewire/TKeyTouchTracker.h"

#include <QObject>
#include <QString>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

class TOneWireBus;

// Searches a 1-Wire bus for touch keys on a thread of its own, about five times a second, and
// reports each newly touched key. The bus is made, used and destroyed on that thread only; the
// signals are emitted on the thread the poller belongs to, from its event loop. A bus that cannot be made or
// stops answering is reported once and tried again at every search.
class TOneWirePoller : public QObject {
    Q_OBJECT
public:
    using TBusFactory = std::function<std::unique_ptr<TOneWireBus>()>;
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

private:
    void run();
    void search(std::unique_ptr<TOneWireBus>& bus, QString& lastError);
    bool waitInterval();
    void post(std::function<void()> signal);

    TBusFactory makeBus;
    int intervalMs;
    TKeyTouchTracker tracker;
    std::thread worker;
    std::mutex mutex;
    std::condition_variable wake;
    bool stopping = false;
};
