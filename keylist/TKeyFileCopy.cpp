#include "keylist/TKeyFileCopy.h"

#include "seams/TRegularFile.h"

#include <QByteArray>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int FileHeaderSize = 32;
constexpr char EndOfFile = 0x1A;

std::runtime_error failure(const QString& why) {
    return std::runtime_error(why.toStdString());
}

std::runtime_error systemFailure() {
    return failure(QString::fromLocal8Bit(std::strerror(errno)));
}

class TFd {
public:
    explicit TFd(int fd) : fd(fd) {}
    ~TFd() {
        if (fd >= 0)
            ::close(fd);
    }
    TFd(const TFd&) = delete;
    TFd& operator=(const TFd&) = delete;
    const int fd;
};

// A regular file only; a FIFO or device is never waited on, and is named for what it is.
int openRegular(const QString& path) {
    QString why;
    const int fd = TRegularFile::Open(path, &why);
    if (fd < 0)
        throw failure(why.startsWith(QLatin1String("is ")) ? TKeyFileCopy::tr("it %1").arg(why) : why);
    return fd;
}

void readAll(int fd, char* into, qint64 size, qint64 offset) {
    qint64 got = 0;
    while (got < size) {
        const ssize_t n = ::pread(fd, into + got, size_t(size - got), off_t(offset + got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw systemFailure();
        if (n == 0)
            throw failure(TKeyFileCopy::tr("the file is shorter than its header says"));
        got += n;
    }
}

void writeAll(int fd, const QByteArray& data) {
    qint64 done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.constData() + done, size_t(data.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            throw systemFailure();
        done += n;
    }
}

int u16(const QByteArray& b, int at) {
    return quint8(b[at]) | quint8(b[at + 1]) << 8;
}

// Header and records, checked against each other and the file size: how many bytes to copy.
qint64 keyListSize(int fd, qint64 fileSize) {
    if (fileSize < FileHeaderSize)
        throw failure(TKeyFileCopy::tr("the file is too short for a dBASE header"));
    QByteArray head(FileHeaderSize, '\0');
    readAll(fd, head.data(), FileHeaderSize, 0);
    const qint64 records = qint64(u16(head, 4)) | qint64(u16(head, 6)) << 16;
    const int headerLength = u16(head, 8);
    const int recordLength = u16(head, 10);
    if (headerLength < FileHeaderSize + 6 * 32 + 1 || headerLength > TKeyFileCopy::MaxHeaderLength)
        throw failure(TKeyFileCopy::tr("its header length %1 is not that of a key list").arg(headerLength));
    if (recordLength < TKeyFileCopy::MinRecordLength || recordLength > TKeyFileCopy::MaxRecordLength)
        throw failure(TKeyFileCopy::tr("its record length %1 is not that of a key list").arg(recordLength));
    if (records < TKeyFileCopy::MinRecords || records > TKeyFileCopy::MaxRecords)
        throw failure(TKeyFileCopy::tr("it holds %1 records, not those of a key list").arg(records));
    const qint64 size = headerLength + records * recordLength;
    if (fileSize < size)
        throw failure(TKeyFileCopy::tr("the file is shorter than its header says (truncated)"));
    if (fileSize > size + 1)
        throw failure(
            TKeyFileCopy::tr("the file holds %1 bytes more than its header says").arg(fileSize - size));
    if (fileSize == size + 1) {
        char last = 0;
        readAll(fd, &last, 1, size);
        if (last != EndOfFile)
            throw failure(TKeyFileCopy::tr("the file holds a byte more than its header says"));
    }
    return size;
}

} // namespace

void TKeyFileCopy::CopyIn(const QString& source, const QString& target) {
    const TFd in(openRegular(source));
    struct stat st {};
    if (::fstat(in.fd, &st) != 0)
        throw systemFailure();
    const qint64 size = keyListSize(in.fd, qint64(st.st_size));
    QByteArray data(int(size), '\0');
    readAll(in.fd, data.data(), size, 0);
    data.append(EndOfFile);

    const QByteArray to = QFile::encodeName(target);
    ::unlink(to.constData());
    const TFd out(::open(to.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (out.fd < 0)
        throw systemFailure();
    try {
        // The mode asked for is cut by the umask; the copy must be the user's own writable file.
        if (::fchmod(out.fd, 0600) != 0)
            throw systemFailure();
        writeAll(out.fd, data);
    } catch (...) {
        ::unlink(to.constData());
        throw;
    }
}
