#include "seams/TSleep.h"

#include <chrono>
#include <thread>

namespace {
TSleep::Handler installed = nullptr;
}

void TSleep::ms(int milliseconds) {
    if (installed) {
        installed(milliseconds);
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void TSleep::setHandler(Handler handler) {
    installed = handler;
}
