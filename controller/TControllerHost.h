#pragma once

#include "controller/TControllerPortOpener.h"
#include "controller/TTransferProgress.h"

#include <QString>

class TKeyView;

// What the controller commands need from the main window: its port chooser, its progress
// window, the fields of the Controller Info tab, the key-transfer actions and the two views.
class TControllerHost : public TControllerPortOpener, public TTransferProgress {
public:
    enum class InfoField { PrgVersion, CtrSerial, CtrInfo, MaxMKey, MaxSKey, KeyType };

    virtual QString InfoText(InfoField field) const = 0;
    virtual void SetInfoText(InfoField field, const QString& text) = 0;
    // The six key-transfer actions.
    virtual void SetKeyTransferEnabled(bool enabled) = 0;

    virtual void StartProgress(const QString& text) = 0;
    virtual void CloseProgress() = 0;

    virtual TKeyView& MasterView() = 0;
    virtual TKeyView& SlaveView() = 0;
};
