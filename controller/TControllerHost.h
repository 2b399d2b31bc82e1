#pragma once

#include "controller/TControllerInfoData.h"
#include "controller/TControllerPortOpener.h"
#include "controller/TTransferProgress.h"

#include <QString>

class TKeyView;

// What the controller commands need from the main window: its port chooser, its progress
// window, the controller information it shows, the key-transfer actions and the two views.
class TControllerHost : public TControllerPortOpener, public TTransferProgress {
public:
    // The commands change a copy and hand it back; the window shows what it is given.
    virtual TControllerInfoData ControllerInfoData() const = 0;
    virtual void SetControllerInfoData(const TControllerInfoData& data) = 0;
    // The six key-transfer actions.
    virtual void SetKeyTransferEnabled(bool enabled) = 0;

    virtual void StartProgress(const QString& text) = 0;
    virtual void CloseProgress() = 0;

    virtual TKeyView& MasterView() = 0;
    virtual TKeyView& SlaveView() = 0;
};
