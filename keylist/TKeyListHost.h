#pragma once

#include <QString>

#include "keylist/TKeyListDocument.h"

// What the key-list store and its commands need of the main window: the state of the open key
// list, the controller fields, the caption, the status bar, the save actions and the progress
// window.
class TKeyListHost {
public:
    virtual ~TKeyListHost() = default;

    // The state of the open key list, which the window observes.
    virtual TKeyListDocument& KeyList() = 0;

    virtual QString ControllerSerial() const = 0;
    virtual QString ControllerInfo() const = 0;
    // Loading the information text counts as a change of it (CtrInfoEditChange).
    virtual void SetControllerFields(const QString& serial, const QString& info) = 0;
    virtual void SetCaption(const QString& caption) = 0;
    virtual void SetStatusText(const QString& text) = 0;
    virtual void EnableSave(bool enabled) = 0;

    virtual void StartProgress(const QString& text) = 0;
    virtual void StepProgress(int step) = 0;
    virtual void CloseProgress() = 0;
    virtual void SetBusyCursor(bool busy) = 0;
};
