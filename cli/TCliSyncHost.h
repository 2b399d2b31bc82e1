#pragma once

#include "controller/TControllerHost.h"

class TCliLink;
class TCliProgress;
class TKeyView;

// What the compare and synchronise core asks of its window, for vtrk: the link's port, the
// terminal's progress and the command's key list.
class TCliSyncHost : public TControllerHost {
public:
    TCliSyncHost(TCliLink& link, TCliProgress& progress, TKeyView& master, TKeyView& slave)
        : link(link), progress(progress), master(master), slave(slave) {}

    void OpenControllerPort() override;
    void StepProgress(int step) override;
    void PumpMessages() override;
    TControllerInfoData ControllerInfoData() const override { return data; }
    void SetControllerInfoData(const TControllerInfoData& value) override { data = value; }
    void SetKeyTransferEnabled(bool) override {}
    void StartProgress(const QString& text) override;
    void CloseProgress() override;
    TKeyView& MasterView() override { return master; }
    TKeyView& SlaveView() override { return slave; }

private:
    TCliLink& link;
    TCliProgress& progress;
    TKeyView& master;
    TKeyView& slave;
    TControllerInfoData data;
};
