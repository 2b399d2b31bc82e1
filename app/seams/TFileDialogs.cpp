#include "TFileDialogs.h"

#include "TQtFileDialogs.h"

namespace {
TFileDialogs* installed = nullptr;
}

TFileDialogs::~TFileDialogs() = default;

TFileDialogs& TFileDialogs::instance() {
    static TQtFileDialogs real;
    return installed ? *installed : real;
}

void TFileDialogs::setInstance(TFileDialogs* dialogs) {
    installed = dialogs;
}
