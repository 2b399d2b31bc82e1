#include "seams/TPortChooser.h"

namespace {
// Without a window system nobody can choose a port: the chooser counts as cancelled.
class TNoPortChooser : public TPortChooser {
public:
    int ChoosePort() override { return 0; }
};

TPortChooser* installed = nullptr;
TPortChooser* standard = nullptr;
} // namespace

TPortChooser::~TPortChooser() = default;

TPortChooser& TPortChooser::instance() {
    static TNoPortChooser none;
    if (installed)
        return *installed;
    return standard ? *standard : none;
}

void TPortChooser::setInstance(TPortChooser* chooser) {
    installed = chooser;
}

void TPortChooser::setStandard(TPortChooser* chooser) {
    standard = chooser;
}
