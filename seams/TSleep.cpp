#include "seams/TSleep.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace {
TSleep::Handler installed = nullptr;
int longPausePercent = 100;

void realSleep(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void scaledSleep(int milliseconds) {
    realSleep(milliseconds >= TSleep::LongPauseMs ? std::max(1, milliseconds * longPausePercent / 100)
                                                  : milliseconds);
}
} // namespace

void TSleep::ms(int milliseconds) {
    if (installed) {
        installed(milliseconds);
        return;
    }
    realSleep(milliseconds);
}

void TSleep::setHandler(Handler handler) {
    installed = handler;
}

void TSleep::scaleLongPauses(int percent) {
    longPausePercent = std::clamp(percent, 1, 100);
    setHandler(longPausePercent < 100 ? scaledSleep : nullptr);
}
