#pragma once

#include "seams/TMessageBoxes.h"

// The real boxes: modal QMessageBox windows over the active window.
class TQtMessageBoxes : public TMessageBoxes {
public:
    void error(const QString& text, const QString& caption = QString()) override;
    void warning(const QString& text, const QString& caption = QString()) override;
    void information(const QString& text, const QString& caption = QString()) override;
    void plain(const QString& text, const QString& caption) override;
    bool confirmOkCancel(const QString& text, const QString& caption = QString()) override;
    Answer confirmYesNoCancel(const QString& text, const QString& caption = QString()) override;
    bool confirmYesNo(const QString& text, const QString& caption = QString()) override;
};
