#include "app/TSingleInstance.h"

#include "app/TWorkDir.h"
#include "seams/TMessageBoxes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray RaiseRequest = "raise\n";

void warn(const QString& text) {
    std::fprintf(stderr, "VELM Tarvikon: %s\n", text.toLocal8Bit().constData());
}

// Lock and socket live where only this user can create files: another user who could plant a
// file or a socket under their names would take the single instance away, or receive our
// requests.
QString instanceDirectory(const QString& given) {
    if (!given.isEmpty())
        return given;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (TWorkDir::isPrivate(runtime))
        return runtime;
    try {
        return TWorkDir::prepare(TWorkDir::baseDirectory(), QStringLiteral("velm-tarvikon-instance"));
    } catch (const std::exception& e) {
        warn(QString::fromUtf8(e.what()));
        return QString();
    }
}

// A socket of this user's own, not a link to one.
bool ownSocket(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISSOCK(st.st_mode) &&
           st.st_uid == geteuid();
}

} // namespace

TSingleInstance::TSingleInstance(const QString& key, const QString& directory, QObject* parent)
    : QObject(parent) {
    const QString dir = instanceDirectory(directory);
    if (dir.isEmpty())
        return; // no place of our own: run without single instance
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
    if (LockPath.isEmpty())
        return true;
    const QByteArray path = QFile::encodeName(LockPath);
    // Never through a link, never a FIFO or device someone planted (non-blocking open).
    const int fd =
        ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY, 0600);
    if (fd < 0) {
        // No lock to be had (a link under the name, a read-only directory ...): run rather than
        // refuse to start.
        warn(QStringLiteral("running without the single-instance lock: %1: %2")
                 .arg(LockPath, QString::fromLocal8Bit(std::strerror(errno))));
        return true;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || st.st_uid != geteuid() || !S_ISREG(st.st_mode)) {
        // Someone else's file under our name: it proves nothing about our instances.
        ::close(fd);
        warn(QStringLiteral("running without the single-instance lock: %1 is not this user's own file")
                 .arg(LockPath));
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
    // Only our own socket: a request to anyone else's would tell them we started.
    if (!ownSocket(ServerPath))
        return false;
    QLocalSocket socket;
    socket.connectToServer(ServerPath);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    MessageBoxes().information(tr("Programm VELM Tarvikon already executed."), tr("Information"));
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
