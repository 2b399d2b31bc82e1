#pragma once

#include "seams/TMessageBoxes.h"

#include <QString>

class TKeyComparison;

// Where the synchronise commands show a comparison: the Differences window, or a test's script.
class TSyncViewer {
public:
    enum class Purpose { Compare, Write, Restore };

    virtual ~TSyncViewer() = default;
    // For Write and Restore the planned changes are offered: true when the user chose to write them.
    virtual bool ShowComparison(const TKeyComparison& comparison, Purpose purpose) = 0;
    // Before a key list saved from one controller is written to another: true to go on. Asked in
    // the command's boxes unless the viewer asks otherwise.
    virtual bool ConfirmOtherController(const QString& question, TMessageBoxes& boxes) {
        return boxes.confirmYesNo(question);
    }
};
