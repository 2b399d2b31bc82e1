#include "serial/TSerPosixDispatcher.h"

#include "serial/TSerErrors.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

std::unique_ptr<TSerBaseDispatcher> TSerBaseDispatcher::Create() {
    return std::make_unique<TSerPosixDispatcher>();
}

namespace {

struct BaudEntry {
    int baud;
    speed_t speed;
};

const BaudEntry baudRates[] = {
    {50, B50},       {75, B75},         {110, B110},       {134, B134},       {150, B150},
    {200, B200},     {300, B300},       {600, B600},       {1200, B1200},     {1800, B1800},
    {2400, B2400},   {4800, B4800},     {9600, B9600},     {19200, B19200},   {38400, B38400},
    {57600, B57600}, {115200, B115200}, {230400, B230400}, {460800, B460800}, {921600, B921600},
};

bool SpeedOf(int baud, speed_t& speed) {
    for (const BaudEntry& entry : baudRates)
        if (entry.baud == baud) {
            speed = entry.speed;
            return true;
        }
    return false;
}

int BaudOf(speed_t speed) {
    for (const BaudEntry& entry : baudRates)
        if (entry.speed == speed)
            return entry.baud;
    return 0;
}

// A device that hung up or went away answers most calls with one of these.
bool IsGone(int error) {
    return error == ENOENT || error == ENODEV || error == ENXIO || error == EIO;
}

// A line is dead only when the device says so: EIO or ENXIO from a call (poll() reports POLLHUP).
// read() returning 0 on a raw line with VMIN=0 and VTIME=0 only means that nothing is waiting.
bool IsHangUp(int error) {
    return error == EIO || error == ENXIO;
}

// Devices without modem lines (pseudo-terminals, some adapters) refuse the ioctls; that is
// their nature, not a failure of the port.
bool IsUnsupported(int error) {
    return error == ENOTTY || error == EINVAL;
}

} // namespace

TSerPosixDispatcher::~TSerPosixDispatcher() {
    Shutdown();
}

int TSerPosixDispatcher::ResultFromErrno(int error) {
    if (IsGone(error))
        return TSerErrors::dlNotFound;
    if (error == EBUSY || error == EWOULDBLOCK)
        return TSerErrors::dlDeviceBusy;
    return -error;
}

int TSerPosixDispatcher::OpenDevice(const std::string& path, int, int) {
    fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return ResultFromErrno(errno);
    auto fail = [this](int result) {
        ::close(fd);
        fd = -1;
        return result;
    };
    termios tio;
    if (::tcgetattr(fd, &tio) != 0)
        return fail(ResultFromErrno(errno));
    // The lock keeps out every other program that locks; TIOCEXCL also those that do not
    // (root passes TIOCEXCL, not the lock).
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        return fail(ResultFromErrno(errno));
    if (::ioctl(fd, TIOCEXCL) != 0)
        return fail(ResultFromErrno(errno));
    // A raw line: no echo, no line editing, no translation, no flow control, reads that return
    // at once with what has arrived.
    ::cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_cflag &= ~CRTSCTS;
    tio.c_iflag &= ~(IXON | IXOFF | IXANY);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    if (::tcsetattr(fd, TCSANOW, &tio) != 0) {
        const int result = ResultFromErrno(errno);
        ::ioctl(fd, TIOCNXCL);
        return fail(result);
    }
    wakeFd = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (wakeFd < 0) {
        ::ioctl(fd, TIOCNXCL);
        return fail(TSerErrors::ecOutOfMemory);
    }
    return fd;
}

int TSerPosixDispatcher::CloseHandle() {
    int result = 0;
    if (fd >= 0) {
        // Exclusive use belongs to the tty, not to this descriptor: clear it, or the next opener
        // is refused while another descriptor (a test's peer) keeps the tty alive.
        ::ioctl(fd, TIOCNXCL);
        if (::close(fd) != 0)
            result = -1;
        fd = -1;
    }
    if (wakeFd >= 0) {
        ::close(wakeFd);
        wakeFd = -1;
    }
    return result;
}

bool TSerPosixDispatcher::SetDeviceQueues(int, int) {
    // The kernel's tty queues have a fixed size; the rings of the layer hold the rest.
    return true;
}

int TSerPosixDispatcher::EscapeLine(TSerLineFunction function) {
    int bits = (function == lfSetDtr || function == lfClearDtr) ? TIOCM_DTR : TIOCM_RTS;
    const bool raise = function == lfSetDtr || function == lfSetRts;
    if (::ioctl(fd, raise ? TIOCMBIS : TIOCMBIC, &bits) != 0 && !IsUnsupported(errno))
        return ResultFromErrno(errno);
    return 0;
}

int TSerPosixDispatcher::PurgeDriverQueue(TSerPurgeSide side) {
    if (::tcflush(fd, side == psReceive ? TCIFLUSH : TCOFLUSH) == 0)
        return 0;
    const int error = errno;
    if (IsHangUp(error)) {
        MarkLineDead();
        return TSerErrors::ecBadId;
    }
    return -error;
}

int TSerPosixDispatcher::ReadDeviceErrors(TSerDeviceStatus& status) {
    int waiting = 0;
    if (::ioctl(fd, TIOCINQ, &waiting) != 0)
        return ResultFromErrno(errno);
    status.inQueue = waiting;
    return 0;
}

int TSerPosixDispatcher::RefreshModemStatus() {
    int lines = 0;
    if (::ioctl(fd, TIOCMGET, &lines) != 0)
        return IsUnsupported(errno) ? 0 : ResultFromErrno(errno);
    modemLines = lines;
    return 0;
}

int TSerPosixDispatcher::GetLineSettings(TSerLineSettings& settings) {
    termios tio;
    if (::tcgetattr(fd, &tio) != 0)
        return ResultFromErrno(errno);
    settings.baud = BaudOf(::cfgetospeed(&tio));
    switch (tio.c_cflag & CSIZE) {
    case CS5:
        settings.dataBits = 5;
        break;
    case CS6:
        settings.dataBits = 6;
        break;
    case CS7:
        settings.dataBits = 7;
        break;
    default:
        settings.dataBits = 8;
        break;
    }
    if (!(tio.c_cflag & PARENB))
        settings.parity = pNone;
    else if (tio.c_cflag & CMSPAR)
        settings.parity = (tio.c_cflag & PARODD) ? pMark : pSpace;
    else
        settings.parity = (tio.c_cflag & PARODD) ? pOdd : pEven;
    settings.stopBits = (tio.c_cflag & CSTOPB) ? 2 : 1;
    settings.ctsOutFlow = (tio.c_cflag & CRTSCTS) != 0;
    settings.rtsHandshake = settings.ctsOutFlow;
    settings.xonXoffOut = (tio.c_iflag & IXON) != 0;
    settings.xonXoffIn = (tio.c_iflag & IXOFF) != 0;
    settings.xonChar = static_cast<char>(tio.c_cc[VSTART]);
    settings.xoffChar = static_cast<char>(tio.c_cc[VSTOP]);
    return 0;
}

int TSerPosixDispatcher::SetLineSettings(const TSerLineSettings& settings) {
    termios tio;
    if (::tcgetattr(fd, &tio) != 0)
        return ResultFromErrno(errno);
    speed_t speed;
    if (!SpeedOf(settings.baud, speed))
        return -EINVAL;
    ::cfsetispeed(&tio, speed);
    ::cfsetospeed(&tio, speed);
    tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
    static const tcflag_t sizes[] = {CS5, CS6, CS7, CS8};
    if (settings.dataBits < 5 || settings.dataBits > 8)
        return -EINVAL;
    tio.c_cflag |= sizes[settings.dataBits - 5] | CLOCAL | CREAD;
    switch (settings.parity) {
    case pNone:
        break;
    case pOdd:
        tio.c_cflag |= PARENB | PARODD;
        break;
    case pEven:
        tio.c_cflag |= PARENB;
        break;
    case pMark:
        tio.c_cflag |= PARENB | PARODD | CMSPAR;
        break;
    case pSpace:
        tio.c_cflag |= PARENB | CMSPAR;
        break;
    }
    // Five data bits with "two" stop bits is one and a half on the wire; termios says CSTOPB.
    if (settings.stopBits == 2)
        tio.c_cflag |= CSTOPB;
    // Linux couples RTS and CTS in one flag; DSR has no handshake of its own.
    if (settings.ctsOutFlow || settings.rtsHandshake)
        tio.c_cflag |= CRTSCTS;
    tio.c_iflag &= ~(IXON | IXOFF | IXANY);
    if (settings.xonXoffOut)
        tio.c_iflag |= IXON;
    if (settings.xonXoffIn)
        tio.c_iflag |= IXOFF;
    tio.c_cc[VSTART] = static_cast<cc_t>(settings.xonChar);
    tio.c_cc[VSTOP] = static_cast<cc_t>(settings.xoffChar);
    if (::tcsetattr(fd, TCSANOW, &tio) != 0)
        return ResultFromErrno(errno);
    return 0;
}

int TSerPosixDispatcher::ReadDevice(char* buffer, int max) {
    for (;;) {
        const ssize_t count = ::read(fd, buffer, static_cast<size_t>(max));
        if (count > 0)
            return static_cast<int>(count);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 && IsHangUp(errno))
            MarkLineDead();
        return 0;
    }
}

int TSerPosixDispatcher::WriteDevice(const char* bytes, int count) {
    for (;;) {
        const ssize_t written = ::write(fd, bytes, static_cast<size_t>(count));
        if (written >= 0)
            return static_cast<int>(written);
        if (errno == EINTR)
            continue;
        if (errno == EAGAIN)
            return 0;
        const int error = errno;
        if (IsHangUp(error))
            MarkLineDead();
        return -error;
    }
}

void TSerPosixDispatcher::AwaitWritable(int timeoutMs) {
    pollfd poller{fd, POLLOUT, 0};
    ::poll(&poller, 1, timeoutMs);
}

int TSerPosixDispatcher::WaitDeviceEvent(bool watchDevice, int timeoutMs) {
    pollfd pollers[2] = {{wakeFd, POLLIN, 0}, {fd, POLLIN | POLLPRI, 0}};
    const int ready = ::poll(pollers, watchDevice ? 2 : 1, timeoutMs);
    if (ready <= 0)
        return 0;
    if (pollers[0].revents)
        return deCancelled;
    int events = 0;
    const short seen = pollers[1].revents;
    if (seen & (POLLIN | POLLPRI))
        events |= deReceived;
    if (seen & (POLLHUP | POLLERR | POLLNVAL))
        events |= deHangup;
    return events;
}

void TSerPosixDispatcher::CancelDeviceWait() {
    if (wakeFd < 0)
        return;
    const uint64_t one = 1;
    while (::write(wakeFd, &one, sizeof one) < 0 && errno == EINTR) {
    }
}
