#include "seams/TWaitHook.h"

namespace {
TWaitHook::Handler installed = nullptr;
}

void TWaitHook::pump() {
    if (installed)
        installed();
}

void TWaitHook::setHandler(Handler handler) {
    installed = handler;
}
