#pragma once

#include <QString>

// What the key-list store and its commands need of the main window: the state of the open key
// list, the controller fields, the caption, the status bar, the save actions and the progress
// window. The state lives here so that every part of the main window reads the same values.
class TKeyListHost {
public:
    virtual ~TKeyListHost() = default;

    // Changed since it was created, opened or saved.
    bool KeyListModified = false;
    // The user's file that Save writes; empty for a list made by New.
    QString KeyListPath;
    // Shown in the caption after "Key file: "; also the report's file name.
    QString KeyListTitle;
    // The next Save asks for a file name.
    bool SaveAsPending = false;

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
