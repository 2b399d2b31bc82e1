#include "tools/ctrlsim/TPtyController.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {
long long nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void closeFd(int& fd) {
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}
} // namespace

TPtyController::TPtyController(TControllerSim& sim) : sim(sim) {}

TPtyController::~TPtyController() {
    Stop();
}

bool TPtyController::Start(std::string& error) {
    masterFd = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (masterFd < 0 || ::grantpt(masterFd) != 0 || ::unlockpt(masterFd) != 0) {
        error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
        closeFd(masterFd);
        return false;
    }
    devicePath = ::ptsname(masterFd);
    slaveFd = ::open(devicePath.c_str(), O_RDWR | O_NOCTTY);
    if (slaveFd < 0 || ::pipe(wakePipe) != 0) {
        error = "cannot open " + devicePath + ": " + std::strerror(errno);
        closeFd(slaveFd);
        closeFd(masterFd);
        return false;
    }
    termios raw{};
    if (::tcgetattr(slaveFd, &raw) == 0) {
        ::cfmakeraw(&raw);
        ::tcsetattr(slaveFd, TCSANOW, &raw);
    }
    ::fcntl(masterFd, F_SETFL, ::fcntl(masterFd, F_GETFL) | O_NONBLOCK);
    stopping = false;
    worker = std::thread([this] { Run(); });
    return true;
}

void TPtyController::Stop() {
    if (worker.joinable()) {
        stopping = true;
        const char wake = 1;
        [[maybe_unused]] ssize_t n = ::write(wakePipe[1], &wake, 1);
        worker.join();
    }
    closeFd(wakePipe[0]);
    closeFd(wakePipe[1]);
    closeFd(slaveFd);
    closeFd(masterFd);
}

void TPtyController::Run() {
    std::uint8_t buffer[256];
    while (!stopping) {
        pollfd fds[2] = {{masterFd, POLLIN, 0}, {wakePipe[0], POLLIN, 0}};
        const int ready = ::poll(fds, 2, 20);
        if (ready < 0 && errno != EINTR)
            break;
        if (!pending.empty() && nowMs() - pendingSince > FrameGapMs) {
            pending.erase(pending.begin());
            Feed(nullptr, 0);
        }
        if (ready <= 0 || !(fds[0].revents & POLLIN)) {
            // With our own slave descriptor open the line does not hang up; anything else is odd,
            // but must not make this loop spin.
            if (fds[0].revents & (POLLHUP | POLLERR))
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            continue;
        }
        const ssize_t n = ::read(masterFd, buffer, sizeof buffer);
        if (n > 0)
            Feed(buffer, static_cast<std::size_t>(n));
    }
}

void TPtyController::Feed(const std::uint8_t* bytes, std::size_t count) {
    if (count > 0) {
        if (pending.empty())
            pendingSince = nowMs();
        pending.insert(pending.end(), bytes, bytes + count);
    }
    for (;;) {
        // Anything before a start byte is not a request (the program's "Z" after a reply, noise).
        auto start = std::find(pending.begin(), pending.end(), 0xAA);
        pending.erase(pending.begin(), start);
        if (pending.size() < 2)
            return;
        const std::size_t size = pending[1] + 2u;
        if (size < 5 || size > 39) {
            pending.erase(pending.begin());
            continue;
        }
        if (pending.size() < size)
            return;
        const TControllerSim::Bytes frame(pending.begin(), pending.begin() + static_cast<long>(size));
        pending.erase(pending.begin(), pending.begin() + static_cast<long>(size));
        pendingSince = nowMs();
        TControllerSim::Answer answer;
        {
            std::lock_guard<std::mutex> hold(mutex);
            answer = sim.Respond(frame);
            if (onRequest)
                onRequest(frame, answer);
        }
        Answer(answer);
    }
}

void TPtyController::Answer(const TControllerSim::Answer& answer) {
    if (answer.bytes.empty())
        return;
    if (answer.delayMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(answer.delayMs));
    std::size_t done = 0;
    while (done < answer.bytes.size() && !stopping) {
        const ssize_t n = ::write(masterFd, answer.bytes.data() + done, answer.bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
            return;
        } else {
            pollfd out{masterFd, POLLOUT, 0};
            ::poll(&out, 1, 20);
        }
    }
}
