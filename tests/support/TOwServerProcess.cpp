#include "tests/support/TOwServerProcess.h"

#include <QDeadlineTimer>
#include <QStandardPaths>
#include <QThread>

#include <csignal>
#include <netinet/in.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// A busy machine may take long before the server listens.
constexpr int StartMs = 30000;
} // namespace

TOwServerProcess::TOwServerProcess() : listenPort(freePort()) {
    // The server ends with the test even when the test itself is killed.
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

TOwServerProcess::~TOwServerProcess() {
    stop();
}

int TOwServerProcess::freePort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof(address);
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), size);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
    ::close(fd);
    return ntohs(address.sin_port);
}

bool TOwServerProcess::start(const QString& devices) {
    const QString program =
        QStandardPaths::findExecutable(QStringLiteral("owserver"), {"/usr/bin", "/usr/sbin"});
    if (program.isEmpty())
        return false;
    process.start(program, {QStringLiteral("--fake=") + devices, QStringLiteral("-p"),
                            QString::number(listenPort), QStringLiteral("--foreground"),
                            QStringLiteral("--nozero"), QStringLiteral("--error_level=0")});
    if (!process.waitForStarted(StartMs))
        return false;
    QDeadlineTimer deadline(StartMs);
    while (!listening()) {
        if (deadline.hasExpired() || process.state() != QProcess::Running)
            return false;
        QThread::msleep(50);
    }
    return true;
}

void TOwServerProcess::stop() {
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000))
        process.kill();
    process.waitForFinished(5000);
}

bool TOwServerProcess::listening() const {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(quint16(listenPort));
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
    ::close(fd);
    return ok;
}
