#pragma once

#include "TPortChooser.h"

// Shows TComSelectForm modally.
class TQtPortChooser : public TPortChooser {
public:
    int ChoosePort() override;
};
