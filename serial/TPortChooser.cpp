#include "TPortChooser.h"

#include "TQtPortChooser.h"

namespace {
TPortChooser* installed = nullptr;
}

TPortChooser::~TPortChooser() = default;

TPortChooser& TPortChooser::instance() {
    static TQtPortChooser real;
    return installed ? *installed : real;
}

void TPortChooser::setInstance(TPortChooser* chooser) {
    installed = chooser;
}
