#include "onewire/TTcpStream.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// How often a wait looks at the stop flag: short enough that closing a window feels instant.
constexpr std::chrono::milliseconds StopCheck(40);

QString systemText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}
} // namespace

TTcpStream::TError::TError(TKind kind, const QString& text) : std::runtime_error(text.toStdString()), kind(kind) {}

TTcpStream::TTcpStream(const QString& host, quint16 port, TClock::time_point deadline,
                       const std::atomic<bool>* stop)
    : deadline(deadline), stop(stop) {
    connectTo(host, port);
}

TTcpStream::~TTcpStream() {
    if (fd >= 0)
        ::close(fd);
}

void TTcpStream::connectTo(const QString& host, quint16 port) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const int status = ::getaddrinfo(host.toLocal8Bit().constData(), QByteArray::number(port).constData(),
                                     &hints, &found);
    if (status != 0)
        throw TError(TError::Unreachable, QStringLiteral("%1: %2").arg(host, QString::fromLocal8Bit(::gai_strerror(status))));
    QString failure;
    for (const addrinfo* a = found; a; a = a->ai_next) {
        try {
            tryAddress(*a);
            break;
        } catch (const TError& e) {
            if (e.kind != TError::Unreachable) {
                ::freeaddrinfo(found);
                throw;
            }
            failure = QString::fromUtf8(e.what());
        }
    }
    ::freeaddrinfo(found);
    if (fd < 0)
        throw TError(TError::Unreachable, failure);
}

// Raises, with no socket kept, when this address refuses.
void TTcpStream::tryAddress(const addrinfo& address) {
    fd = ::socket(address.ai_family, address.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, address.ai_protocol);
    if (fd < 0)
        throw TError(TError::Unreachable, systemText(errno));
    int error = 0;
    if (::connect(fd, address.ai_addr, address.ai_addrlen) != 0) {
        error = errno;
        if (error == EINPROGRESS) {
            try {
                waitFor(POLLOUT);
            } catch (const TError&) {
                ::close(fd);
                fd = -1;
                throw;
            }
            socklen_t size = sizeof(error);
            ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size);
        }
    }
    if (error == 0)
        return;
    ::close(fd);
    fd = -1;
    throw TError(TError::Unreachable, systemText(error));
}

void TTcpStream::waitFor(short events) {
    for (;;) {
        if (stop && stop->load())
            throw TError(TError::Stopped, QStringLiteral("stopped"));
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - TClock::now());
        if (left.count() <= 0)
            throw TError(TError::TimedOut, QStringLiteral("no answer in time"));
        pollfd entry{fd, events, 0};
        const int ready = ::poll(&entry, 1, int(std::min(left, StopCheck).count()));
        if (ready < 0 && errno != EINTR)
            throw TError(TError::Closed, systemText(errno));
        if (ready > 0)
            return;
    }
}

void TTcpStream::Write(const QByteArray& bytes) {
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        waitFor(POLLOUT);
        const ssize_t n = ::send(fd, bytes.constData() + sent, size_t(bytes.size() - sent), MSG_NOSIGNAL);
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            throw TError(TError::Closed, systemText(errno));
        if (n > 0)
            sent += n;
    }
}

QByteArray TTcpStream::Read(qsizetype count) {
    QByteArray bytes(count, Qt::Uninitialized);
    qsizetype got = 0;
    while (got < count) {
        waitFor(POLLIN);
        const ssize_t n = ::recv(fd, bytes.data() + got, size_t(count - got), 0);
        if (n == 0)
            throw TError(TError::Closed, QStringLiteral("the connection was closed"));
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            throw TError(TError::Closed, systemText(errno));
        if (n > 0)
            got += n;
    }
    return bytes;
}
