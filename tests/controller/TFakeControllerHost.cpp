#include "tests/controller/TFakeControllerHost.h"

#include <algorithm>

void TFakeControllerHost::OpenControllerPort() {
    ++opens;
    if (onOpen)
        onOpen();
}

void TFakeControllerHost::StepProgress(int step) {
    progress = std::min(100, progress + step);
    progressHistory.append(progress);
    PumpMessages();
}

void TFakeControllerHost::PumpMessages() {
    ++pumps;
    if (onPump)
        onPump();
}

void TFakeControllerHost::StartProgress(const QString& text) {
    progressShown = true;
    progress = 0;
    progressHistory.clear();
    progressTexts.append(text);
}
