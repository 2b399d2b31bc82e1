// QtTest guards each test function with a watchdog on a detached thread. That thread lets go of
// its Qt thread data only on its way out, after the test's main has returned; a leak check that
// runs while it is still leaving counts that data as lost, now and then, on a busy machine. This
// object is destroyed before the leak check runs, and waits (briefly) until the watchdog is gone.
#include <dirent.h>

#include <chrono>
#include <fstream>
#include <string>
#include <thread>

namespace {
bool WatchdogRunning() {
    DIR* tasks = opendir("/proc/self/task");
    if (!tasks)
        return false;
    bool found = false;
    while (dirent* entry = readdir(tasks)) {
        if (entry->d_name[0] == '.')
            continue;
        std::ifstream comm(std::string("/proc/self/task/") + entry->d_name + "/comm");
        std::string name;
        if (std::getline(comm, name) && name == "QtTest Watchdog") {
            found = true;
            break;
        }
    }
    closedir(tasks);
    return found;
}

class TWatchdogExit {
public:
    ~TWatchdogExit() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (WatchdogRunning() && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
};

TWatchdogExit waitForWatchdog;
} // namespace
