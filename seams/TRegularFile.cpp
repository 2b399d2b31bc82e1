#include "seams/TRegularFile.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

QString TRegularFile::DescribeKind(unsigned mode) {
    if (S_ISDIR(mode))
        return tr("is a folder, not a file");
    if (S_ISFIFO(mode))
        return tr("is a named pipe, not a file");
    if (S_ISCHR(mode))
        return tr("is a character device, not a file");
    if (S_ISBLK(mode))
        return tr("is a block device, not a file");
    if (S_ISSOCK(mode))
        return tr("is a socket, not a file");
    return tr("is not a regular file");
}

int TRegularFile::Open(const QString& path, QString* error) {
    const QByteArray name = QFile::encodeName(path);
    // Looked at before it is opened: opening a serial device raises its modem lines, and some
    // devices reset on that.
    struct stat byName {};
    if (::stat(name.constData(), &byName) != 0) {
        *error = systemText(errno);
        return -1;
    }
    if (!S_ISREG(byName.st_mode)) {
        *error = DescribeKind(byName.st_mode);
        return -1;
    }
    // O_NONBLOCK: opening a FIFO without a writer would otherwise wait for one.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        *error = systemText(errno);
        return -1;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        *error = systemText(errno);
        ::close(fd);
        return -1;
    }
    if (!S_ISREG(st.st_mode)) {
        *error = DescribeKind(st.st_mode);
        ::close(fd);
        return -1;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

QString TRegularFile::Check(const QString& path) {
    QString error;
    const int fd = Open(path, &error);
    if (fd >= 0)
        ::close(fd);
    return error;
}

TRegularFile::TContents TRegularFile::Read(const QString& path, qint64 maxBytes) {
    TContents result;
    const int fd = Open(path, &result.error);
    if (fd < 0)
        return result;
    // Read one byte past the bound so that a file of exactly maxBytes passes and a larger one,
    // even one growing while it is read, does not.
    QByteArray data;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            result.error = systemText(errno);
            ::close(fd);
            return result;
        }
        if (n == 0)
            break;
        if (data.size() + n > maxBytes) {
            result.error = tr("is larger than %1 bytes").arg(maxBytes);
            ::close(fd);
            return result;
        }
        data.append(buffer, int(n));
    }
    ::close(fd);
    result.ok = true;
    result.data = data;
    return result;
}
