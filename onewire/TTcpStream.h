#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <atomic>
#include <chrono>
#include <memory>
#include <stdexcept>

// One TCP connection whose every wait ends at a deadline, or sooner once a stop flag is raised by
// another thread, so that a silent, slow or hostile peer can never hold its caller. Reading and writing
// happen on one thread; only the stop flag is shared.
class TTcpStream {
    Q_DECLARE_TR_FUNCTIONS(TTcpStream)

public:
    using TClock = std::chrono::steady_clock;

    class TError : public std::runtime_error {
    public:
        enum TKind { Unreachable, TimedOut, Closed, Stopped };
        TError(TKind kind, const QString& text);
        TKind kind;
    };

    // Connects to host:port; raises TError.
    TTcpStream(const QString& host, quint16 port, TClock::time_point deadline,
               const std::atomic<bool>* stop = nullptr);
    ~TTcpStream();
    TTcpStream(const TTcpStream&) = delete;
    TTcpStream& operator=(const TTcpStream&) = delete;

    void Write(const QByteArray& bytes);
    // Exactly count bytes, or TError.
    QByteArray Read(qsizetype count);

private:
    struct TLookup;
    using TAddresses = std::unique_ptr<struct addrinfo, void (*)(struct addrinfo*)>;
    TAddresses lookUp(const QString& host, quint16 port);
    void connectTo(const QString& host, quint16 port);
    void tryAddress(const struct addrinfo& address);
    void waitFor(short events);

    int fd = -1;
    TClock::time_point deadline;
    const std::atomic<bool>* stop;
};
