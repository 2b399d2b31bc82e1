#include "onewire/TTcpStream.h"

#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {
// How often a wait looks at the stop flag: short enough that closing a window feels instant.
constexpr std::chrono::milliseconds StopCheck(40);

QString systemText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}
} // namespace

TTcpStream::TError::TError(TKind kind, const QString& text)
    : std::runtime_error(text.toStdString()), kind(kind) {}

TTcpStream::TTcpStream(const QString& host, quint16 port, TClock::time_point deadline,
                       const std::atomic<bool>* stop)
    : deadline(deadline), stop(stop) {
    connectTo(host, port);
}

TTcpStream::~TTcpStream() {
    if (fd >= 0)
        ::close(fd);
}

// A name lookup can hang for many seconds on a dead name server, and the resolver has no deadline:
// it runs on a thread of its own that the caller may leave behind.
struct TTcpStream::TLookup {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    bool abandoned = false;
    int status = 0;
    addrinfo* found = nullptr;
};

TTcpStream::TAddresses TTcpStream::lookUp(const QString& host, quint16 port) {
    auto lookup = std::make_shared<TLookup>();
    std::thread([lookup, name = host.toLocal8Bit(), service = QByteArray::number(port)] {
        addrinfo hints{};
        hints.ai_family = AF_UNSPEC;
        hints.ai_socktype = SOCK_STREAM;
        addrinfo* found = nullptr;
        const int status = ::getaddrinfo(name.constData(), service.constData(), &hints, &found);
        std::lock_guard<std::mutex> lock(lookup->mutex);
        if (lookup->abandoned) {
            if (found)
                ::freeaddrinfo(found);
            return;
        }
        lookup->status = status;
        lookup->found = found;
        lookup->finished = true;
        lookup->done.notify_all();
    }).detach();
    std::unique_lock<std::mutex> lock(lookup->mutex);
    while (!lookup->finished) {
        lookup->done.wait_for(lock, StopCheck);
        if (!lookup->finished && ((stop && stop->load()) || TClock::now() >= deadline)) {
            lookup->abandoned = true;
            throw TError(stop && stop->load() ? TError::Stopped : TError::TimedOut,
                         TTcpStream::tr("%1 was not found in time").arg(host));
        }
    }
    if (lookup->status != 0)
        throw TError(TError::Unreachable, QStringLiteral("%1: %2").arg(
                                              host, QString::fromLocal8Bit(::gai_strerror(lookup->status))));
    return TAddresses(lookup->found, &::freeaddrinfo);
}

void TTcpStream::connectTo(const QString& host, quint16 port) {
    const TAddresses found = lookUp(host, port);
    QString failure;
    for (const addrinfo* a = found.get(); a && fd < 0; a = a->ai_next) {
        try {
            tryAddress(*a);
        } catch (const TError& e) {
            if (e.kind != TError::Unreachable)
                throw;
            failure = QString::fromUtf8(e.what());
        }
    }
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
            throw TError(TError::Stopped, TTcpStream::tr("stopped"));
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - TClock::now());
        if (left.count() <= 0)
            throw TError(TError::TimedOut, TTcpStream::tr("no answer in time"));
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
            throw TError(TError::Closed, TTcpStream::tr("the connection was closed"));
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            throw TError(TError::Closed, systemText(errno));
        if (n > 0)
            got += n;
    }
    return bytes;
}
