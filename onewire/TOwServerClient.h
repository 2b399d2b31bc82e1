#pragma once

#include "onewire/TTcpStream.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <atomic>
#include <chrono>
#include <optional>

// A client of owserver's network protocol, one connection per request. A request is a header of six
// 32-bit big-endian numbers (version, payload length, message type, flags, wanted size, offset) and a
// path; an answer is a header of the same shape (version, payload length, return value, flags, data
// size, offset) and its payload. While the server works it may send pings: headers announcing a
// payload of -1 and carrying none. Every answer is bounded in size and every request in time.
// Failures raise TTcpStream::TError for the connection, std::runtime_error for a broken answer.
class TOwServerClient {
    Q_DECLARE_TR_FUNCTIONS(TOwServerClient)

public:
    static constexpr quint16 DefaultPort = 4304;
    // Far more than a directory of every device a bus can hold.
    static constexpr qint32 MaxPayload = 256 * 1024;
    static constexpr std::chrono::milliseconds DefaultTimeout{5000};

    // "host:port", "host" or "[v6 address]:port"; raises std::runtime_error on anything else.
    TOwServerClient(const QString& address, const std::atomic<bool>* stop = nullptr,
                    std::chrono::milliseconds timeout = DefaultTimeout);

    // The full paths of the entries under path, the server's buses ("bus.0") among them.
    QStringList Listing(const QString& path);
    // The value at path, or nothing when the server has none there.
    std::optional<QByteArray> Read(const QString& path);

private:
    struct TAnswer {
        qint32 result = 0;
        QByteArray payload;
    };
    TAnswer exchange(qint32 type, qint32 flags, const QString& path, qint32 wanted);
    static TAnswer readAnswer(TTcpStream& stream);

    QString host;
    quint16 port = DefaultPort;
    const std::atomic<bool>* stop;
    std::chrono::milliseconds timeout;
};
