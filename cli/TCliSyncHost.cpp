#include "cli/TCliSyncHost.h"

#include "cli/TCliLink.h"
#include "cli/TCliProgress.h"

void TCliSyncHost::OpenControllerPort() {
    link.OpenControllerPort();
}

void TCliSyncHost::StepProgress(int step) {
    progress.StepProgress(step);
}

void TCliSyncHost::PumpMessages() {
    progress.PumpMessages();
}

void TCliSyncHost::StartProgress(const QString& text) {
    // The core names the step, not its length: the line shows the count of slots done.
    progress.Start(text, 0);
}

void TCliSyncHost::CloseProgress() {
    progress.Finish();
}
