#include "tests/support/TPtyPeer.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {
using Clock = std::chrono::steady_clock;

int MsLeft(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}
} // namespace

TPtyPeer::TPtyPeer() {
    char name[128] = {};
    termios raw;
    ::cfmakeraw(&raw);
    raw.c_cflag |= CLOCAL | CREAD;
    if (::openpty(&master, &slave, name, &raw, nullptr) != 0) {
        master = slave = -1;
        return;
    }
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    ::fcntl(master, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave, F_SETFD, FD_CLOEXEC);
    path = QString::fromLocal8Bit(name);
}

TPtyPeer::~TPtyPeer() {
    mapTo(0);
    hangUp();
    if (slave >= 0)
        ::close(slave);
}

void TPtyPeer::mapTo(int number) {
    if (mappedNumber)
        qunsetenv(("VTRK_COM" + QByteArray::number(mappedNumber)).constData());
    mappedNumber = number;
    if (number)
        qputenv(("VTRK_COM" + QByteArray::number(number)).constData(), path.toLocal8Bit());
}

bool TPtyPeer::write(const QByteArray& bytes) {
    qsizetype done = 0;
    while (master >= 0 && done < bytes.size()) {
        const ssize_t count =
            ::write(master, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (count > 0) {
            done += count;
        } else if (count < 0 && (errno == EAGAIN || errno == EINTR)) {
            pollfd poller{master, POLLOUT, 0};
            ::poll(&poller, 1, 100);
        } else {
            return false;
        }
    }
    return done == bytes.size();
}

QByteArray TPtyPeer::read(int count, int timeoutMs) {
    QByteArray result;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    char buffer[4096];
    while (master >= 0 && result.size() < count) {
        const ssize_t got = ::read(master, buffer, std::min<size_t>(sizeof buffer, count - result.size()));
        if (got > 0) {
            result.append(buffer, got);
            continue;
        }
        if (got < 0 && errno != EAGAIN && errno != EINTR)
            break;
        const int left = MsLeft(deadline);
        if (left == 0)
            break;
        pollfd poller{master, POLLIN, 0};
        ::poll(&poller, 1, left);
    }
    return result;
}

QByteArray TPtyPeer::readAll(int quietMs) {
    QByteArray result;
    for (;;) {
        const QByteArray more = read(1 << 16, quietMs);
        if (more.isEmpty())
            return result;
        result += more;
    }
}

void TPtyPeer::holdOutput(bool hold) {
    if (slave >= 0)
        ::tcflow(slave, hold ? TCOOFF : TCOON);
}

void TPtyPeer::hangUp() {
    if (master >= 0)
        ::close(master);
    master = -1;
}
