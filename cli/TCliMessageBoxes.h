#pragma once

#include "seams/TConsoleMessageBoxes.h"

#include <QCoreApplication>

// The message boxes of vtrk: every message on the standard error stream. A confirmation is
// answered by --yes, else asked on the terminal when there is one, else refused, so that a script
// never changes a controller it was not told to change.
class TCliMessageBoxes : public TConsoleMessageBoxes {
    Q_DECLARE_TR_FUNCTIONS(TCliMessageBoxes)

public:
    explicit TCliMessageBoxes(bool assumeYes) : assumeYes(assumeYes) {}

    bool confirmOkCancel(const QString& text, const QString& caption = QString()) override;
    Answer confirmYesNoCancel(const QString& text, const QString& caption = QString()) override;
    // Asked on a terminal only; --yes does not answer it.
    bool confirmYesNo(const QString& text, const QString& caption = QString()) override;

protected:
    void write(Kind kind, const QString& text, const QString& caption) override;

private:
    bool Confirm(const QString& text);
    static bool AskTerminal();

    bool assumeYes;
};
