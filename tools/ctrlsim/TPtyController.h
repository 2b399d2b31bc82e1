#pragma once

#include "tools/ctrlsim/TControllerSim.h"

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

// Plays a TControllerSim on a pseudo-terminal: the program opens DevicePath() as its serial port.
// One worker thread gathers request frames from the line and writes the answers.
class TPtyController {
public:
    explicit TPtyController(TControllerSim& sim);
    ~TPtyController();
    TPtyController(const TPtyController&) = delete;
    TPtyController& operator=(const TPtyController&) = delete;

    bool Start(std::string& error);
    void Stop();
    const std::string& DevicePath() const { return devicePath; }

    // Hold it while looking at or changing the simulator from another thread.
    std::mutex& Lock() { return mutex; }
    // Called on the worker thread after each request, under Lock().
    std::function<void(const TControllerSim::Bytes& request, const TControllerSim::Answer& answer)> onRequest;

    // A partial frame older than this is dropped, so a torn request cannot shift later ones.
    static constexpr int FrameGapMs = 50;

private:
    void Run();
    void Feed(const std::uint8_t* bytes, std::size_t count);
    void Answer(const TControllerSim::Answer& answer);

    TControllerSim& sim;
    std::mutex mutex;
    std::string devicePath;
    int masterFd = -1;
    int slaveFd = -1; // kept open so the line never hangs up between the program's openings
    int wakePipe[2] = {-1, -1};
    std::thread worker;
    std::atomic<bool> stopping{false};
    TControllerSim::Bytes pending;
    long long pendingSince = 0;
};
