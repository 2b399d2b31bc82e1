#include "tests/support/TFakeOwServer.h"

#include <QTest>
#include <QtEndian>

#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace {
constexpr int HeaderSize = 24;
constexpr int PingEveryMs = 5;
constexpr int PollMs = 10;

// Waits for fd to be readable, giving up when stopping.
bool readable(int fd, const std::atomic<bool>& stopping) {
    while (!stopping) {
        pollfd entry{fd, POLLIN, 0};
        if (::poll(&entry, 1, PollMs) > 0)
            return true;
    }
    return false;
}
} // namespace

TFakeOwServer::TFakeOwServer(TScript script) : script(std::move(script)) {
    listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof(address);
    if (listener < 0 || ::bind(listener, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        ::listen(listener, 16) != 0 ||
        ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size) != 0)
        throw std::runtime_error("the fake owserver cannot listen");
    listenPort = ntohs(address.sin_port);
    worker = std::thread([this] { serve(); });
}

TFakeOwServer::~TFakeOwServer() {
    stopping = true;
    worker.join();
    ::close(listener);
}

QByteArray TFakeOwServer::header(qint32 payloadLength, qint32 result, qint32 size) {
    QByteArray bytes(HeaderSize, '\0');
    const qint32 fields[] = {0, payloadLength, result, 0x100, size, 0};
    for (int i = 0; i < 6; ++i)
        qToBigEndian(fields[i], bytes.data() + 4 * i);
    return bytes;
}

QByteArray TFakeOwServer::answer(const QByteArray& payload, qint32 result) {
    return header(qint32(payload.size()), result, qint32(payload.size())) + payload;
}

void TFakeOwServer::addHoldingRows() {
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<int>("byteEveryMs");
    QTest::addColumn<bool>("pingForever");
    QTest::newRow("endless keep-alive pings") << QByteArray() << 0 << true;
    QTest::newRow("one byte a second") << answer("/01.2BC5FB000000,/bus.0") << 1000 << false;
    QTest::newRow("silence") << QByteArray() << 0 << false;
}

TFakeOwServer::TScript TFakeOwServer::fetchHoldingRow() {
    QFETCH(QByteArray, answer);
    QFETCH(int, byteEveryMs);
    QFETCH(bool, pingForever);
    return {answer, byteEveryMs, pingForever, true};
}

void TFakeOwServer::serve() {
    std::vector<int> open;
    while (readable(listener, stopping)) {
        const int fd = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0)
            continue;
        answerOne(fd);
        if (script.holdOpen)
            open.push_back(fd);
        else
            ::close(fd);
    }
    for (int fd : open)
        ::close(fd);
}

// One connection at a time: a client that is being held up gets nothing from a second one either.
void TFakeOwServer::answerOne(int fd) {
    if (!readRequest(fd))
        return;
    ++taken;
    if (!sendSlowly(fd, script.answer, script.byteEveryMs))
        return;
    while (script.pingForever && sendSlowly(fd, header(-1), 0) && pause(PingEveryMs)) {
    }
}

bool TFakeOwServer::readRequest(int fd) {
    QByteArray request;
    qsizetype wanted = HeaderSize;
    while (request.size() < wanted) {
        if (!readable(fd, stopping))
            return false;
        char buffer[512];
        const ssize_t n = ::recv(fd, buffer, sizeof(buffer), 0);
        if (n <= 0)
            return false;
        request.append(buffer, n);
        if (request.size() >= HeaderSize)
            wanted = HeaderSize + qFromBigEndian<qint32>(request.constData() + 4);
    }
    return true;
}

bool TFakeOwServer::sendSlowly(int fd, const QByteArray& bytes, int pauseMs) {
    const qsizetype step = pauseMs > 0 ? 1 : bytes.size();
    for (qsizetype at = 0; at < bytes.size(); at += step) {
        if (::send(fd, bytes.constData() + at, size_t(std::min(step, bytes.size() - at)), MSG_NOSIGNAL) < 0)
            return false;
        if (pauseMs > 0 && !pause(pauseMs))
            return false;
    }
    return true;
}

bool TFakeOwServer::pause(int ms) {
    for (int waited = 0; waited < ms && !stopping; waited += 1)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return !stopping;
}
