#pragma once

#include "seams/TPortChooser.h"

class TAppSettings;

// Shows TComSelectForm modally. With settings, the port chosen last is preselected and the port
// chosen with OK is remembered.
class TQtPortChooser : public TPortChooser {
public:
    explicit TQtPortChooser(TAppSettings* settings = nullptr) : settings(settings) {}

    int ChoosePort() override;

    // Makes this chooser the standard one of the windowed program.
    static void installAsStandard(TAppSettings* settings = nullptr);

private:
    TAppSettings* settings;
};
