#pragma once

#include <functional>

class TSerCustomComPort;

// Opening the controller's port: number reset so that the chooser is shown, the line at 9600 8N1.
class TControllerPort {
public:
    static constexpr int Baud = 9600;

    // showStatus(open, comNumber) puts the outcome into the main window's port status label.
    TControllerPort(TSerCustomComPort& port, std::function<void(bool, int)> showStatus);

    // Any failure (chooser cancelled, no port, port missing or in use) leaves the port closed,
    // without a message of its own.
    void OpenControllerPort();

private:
    TSerCustomComPort& port;
    std::function<void(bool, int)> showStatus;
};
