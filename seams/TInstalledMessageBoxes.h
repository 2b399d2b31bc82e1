#pragma once

#include "seams/TMessageBoxes.h"

// The boxes installed at the moment of each call: what the window and vtrk hand to the core
// objects they make. A recorder a test installs after the window was built still gets every box,
// and the core never reaches for the installed boxes itself.
class TInstalledMessageBoxes final : public TMessageBoxes {
public:
    void error(const QString& text, const QString& caption = QString()) override;
    void warning(const QString& text, const QString& caption = QString()) override;
    void information(const QString& text, const QString& caption = QString()) override;
    void plain(const QString& text, const QString& caption) override;
    bool confirmOkCancel(const QString& text, const QString& caption = QString()) override;
    Answer confirmYesNoCancel(const QString& text, const QString& caption = QString()) override;
    bool confirmYesNo(const QString& text, const QString& caption = QString()) override;

    // It holds no state, so one serves every owner.
    static TMessageBoxes& Shared();
};
