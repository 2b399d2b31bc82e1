#pragma once

#include "seams/TPortChooser.h"

// Shows TComSelectForm modally.
class TQtPortChooser : public TPortChooser {
public:
    int ChoosePort() override;

    // Makes this chooser the standard one of the windowed program.
    static void installAsStandard();
};
