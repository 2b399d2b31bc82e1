#pragma once

#include "onewire/TOneWireBus.h"
#include "onewire/TOwServerClient.h"

#include <QCoreApplication>
#include <QString>

#include <atomic>
#include <chrono>

// The 1-Wire bus behind an owserver (the standard Linux 1-Wire service, which drives USB and
// serial adapters), reached over its network protocol. Every search is bounded in time and ends
// early once the stop flag is raised.
class TOwServerBus : public TOneWireBus {
    Q_DECLARE_TR_FUNCTIONS(TOwServerBus)

public:
    static const QString DefaultAddress; // "localhost:4304"
    // More keys than fit against a reader at once: a listing with more is not believed.
    static constexpr int MaxKeys = 64;

    // Raises when address is no server address; talks to the server only when searching.
    explicit TOwServerBus(const QString& address, const std::atomic<bool>* stop = nullptr,
                          std::chrono::milliseconds timeout = TOwServerClient::DefaultTimeout);

    QStringList TouchKeys() override;
    QString ReaderProblem() const override { return problem; }

    // Touch-key codes among the entries of an owserver directory listing ("/01.2BC5FB000000",...);
    // raises std::runtime_error when it holds more than MaxKeys.
    static QStringList KeysInListing(const QStringList& entries);
    // What to tell a user whose server does not answer: how to install and start one.
    static QString NotAnswering(const QString& address);

private:
    QStringList search();
    bool simulated(const QStringList& buses);
    QString failure(const TTcpStream::TError& error) const;

    QString address;
    TOwServerClient client;
    bool answered = false;
    QStringList knownBuses;
    bool knownSimulated = false;
    QString problem;
};
