#pragma once

#include "seams/TMessageBoxes.h"

// The boxes of a program without windows: every message goes to the standard error stream as
// "Caption: text"; a confirmation nobody can answer is answered Cancel, so nothing is changed
// on an assumption.
class TConsoleMessageBoxes : public TMessageBoxes {
public:
    void error(const QString& text, const QString& caption = QString()) override;
    void warning(const QString& text, const QString& caption = QString()) override;
    void information(const QString& text, const QString& caption = QString()) override;
    void plain(const QString& text, const QString& caption) override;
    bool confirmOkCancel(const QString& text, const QString& caption = QString()) override;
    Answer confirmYesNoCancel(const QString& text, const QString& caption = QString()) override;
    bool confirmYesNo(const QString& text, const QString& caption = QString()) override;

protected:
    // Writes one message; a '\r' in the text (a line break in a box) becomes a new line.
    virtual void write(Kind kind, const QString& text, const QString& caption);
};
