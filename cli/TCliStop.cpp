#include "cli/TCliStop.h"

#include "cli/TVtrkCommand.h"

#include <csignal>

namespace {
volatile std::sig_atomic_t stopRequested = 0;

extern "C" void onStopSignal(int) {
    stopRequested = 1;
}
} // namespace

void TCliStop::Install() {
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

bool TCliStop::Requested() {
    return stopRequested != 0;
}

void TCliStop::Check() {
    if (Requested())
        throw EVtrkExit(VtrkExit::Stopped, QStringLiteral("interrupted; the port is closed"));
}
