#include "cli/TCliStop.h"

#include "cli/TVtrkCommand.h"
#include "seams/TStopRequest.h"

#include <csignal>

namespace {
extern "C" void onStopSignal(int) {
    TStopRequest::Raise();
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
    return TStopRequest::Raised();
}

void TCliStop::Check() {
    if (Requested())
        throw EVtrkExit(VtrkExit::Stopped, QStringLiteral("interrupted; the port is closed"));
}
