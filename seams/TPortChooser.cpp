#include "seams/TPortChooser.h"

#include "seams/TSeam.h"

namespace {
// Without a window system nobody can choose a port: the chooser counts as cancelled.
class TNoPortChooser : public TPortChooser {
public:
    int ChoosePort() override { return 0; }
};
} // namespace

TPortChooser::~TPortChooser() = default;

TPortChooser& TPortChooser::instance() {
    static TNoPortChooser none;
    return TSeam<TPortChooser>::Get(none);
}

void TPortChooser::setInstance(TPortChooser* chooser) {
    TSeam<TPortChooser>::Install(chooser);
}

void TPortChooser::setStandard(TPortChooser* chooser) {
    TSeam<TPortChooser>::SetStandard(chooser);
}
