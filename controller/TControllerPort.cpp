#include "controller/TControllerPort.h"

#include "serial/TSerCustomComPort.h"

#include <exception>

TControllerPort::TControllerPort(TSerCustomComPort& port, std::function<void(bool, int)> showStatus)
    : port(port), showStatus(std::move(showStatus)) {}

void TControllerPort::OpenControllerPort() {
    try {
        port.SetComNumber(0);
        port.SetPromptForPort(true);
        port.SetBaud(Baud);
        port.SetDataBits(8);
        port.SetParity(pNone);
        port.SetStopBits(1);
        port.SetOpen(true);
    } catch (const std::exception&) {
        try {
            port.SetOpen(false);
        } catch (const std::exception&) {
        }
    }
    if (showStatus)
        showStatus(port.Open(), port.ComNumber());
}
