#include "app/TSingleInstance.h"

#include "seams/TMessageBoxes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray RaiseRequest = "raise\n";

QString instanceDirectory(const QString& given) {
    if (!given.isEmpty())
        return given;
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

} // namespace

TSingleInstance::TSingleInstance(const QString& key, const QString& directory, QObject* parent)
    : QObject(parent) {
    const QString dir = instanceDirectory(directory);
    const QString name = key + QLatin1Char('-') + userName();
    LockPath = dir + QLatin1Char('/') + name + QStringLiteral(".lock");
    ServerPath = dir + QLatin1Char('/') + name + QStringLiteral(".socket");
}

TSingleInstance::~TSingleInstance() {
    release();
}

QString TSingleInstance::userName() {
    const uid_t uid = geteuid();
    if (const passwd* pw = ::getpwuid(uid))
        return QString::fromLocal8Bit(pw->pw_name);
    return QString::number(uid);
}

bool TSingleInstance::tryToRun() {
    if (LockFd >= 0)
        return true;
    const QByteArray path = QFile::encodeName(LockPath);
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return true; // No lock to be had (read-only directory ...): run rather than refuse to start.
    struct stat st {};
    if (::fstat(fd, &st) != 0 || st.st_uid != geteuid() || !S_ISREG(st.st_mode)) {
        // Someone else's file under our name: it proves nothing about our instances.
        ::close(fd);
        return true;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    LockFd = fd;
    listen();
    return true;
}

void TSingleInstance::listen() {
    Server = new QLocalServer(this);
    Server->setSocketOptions(QLocalServer::UserAccessOption);
    // We hold the lock, so a socket file left here belongs to an instance that crashed.
    QLocalServer::removeServer(ServerPath);
    if (!Server->listen(ServerPath))
        return; // Later starts then end silently; this instance runs on regardless.
    connect(Server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = Server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            auto readRequest = [this, socket] {
                if (socket->canReadLine() && socket->readLine() == RaiseRequest)
                    emit raiseRequested();
            };
            connect(socket, &QLocalSocket::readyRead, this, readRequest);
            readRequest();
        }
    });
}

bool TSingleInstance::notifyRunningInstance(int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(ServerPath);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    MessageBoxes().information(QStringLiteral("Programm VELM Tarvikon already executed."),
                               QStringLiteral("Information"));
    socket.write(RaiseRequest);
    socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(timeoutMs);
    return true;
}

void TSingleInstance::release() {
    if (Server) {
        Server->close();
        delete Server;
        Server = nullptr;
    }
    if (LockFd >= 0) {
        ::close(LockFd);
        LockFd = -1;
    }
}
