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
    // A parent may have blocked them (a service manager, a script): Ctrl-C must still stop vtrk.
    sigset_t stops;
    sigemptyset(&stops);
    sigaddset(&stops, SIGINT);
    sigaddset(&stops, SIGTERM);
    sigprocmask(SIG_UNBLOCK, &stops, nullptr);
}

bool TCliStop::Requested() {
    return TStopRequest::Raised();
}

void TCliStop::CheckBeforeShowing() {
    Check(tr("interrupted; nothing was shown"));
}

void TCliStop::Check() {
    Check(tr("interrupted; the port is closed"));
}

void TCliStop::Check(const QString& said) {
    if (Requested())
        throw EVtrkExit(VtrkExit::Stopped, said);
}
