#pragma once

#include "controller/TControllerCommands.h"
#include "controller/TControllerHost.h"
#include "controller/TControllerInfoData.h"
#include "controller/TControllerSession.h"
#include "sync/TSnapshotStore.h"
#include "sync/TSyncCommands.h"

#include <QString>

#include <memory>

class TMessageBoxes;
class TSerDataPort;
class TSyncViewer;

// One controller on one port as the window and vtrk talk to it: the conversation (sequence byte,
// exchange, information routines, transfers), the controller commands and the compare and
// synchronise commands over it, the controller history they store into, and the recording that
// turns what a read stored into a snapshot. It stands between those commands and its host: the
// host's views reach them recording, and every identity they show is kept here too. Nothing else
// puts these parts together, so there is one busy state for everything said on the port.
class TDoorSession : private TControllerHost {
public:
    // The host's views must stay the same objects for the session's life. history: where the
    // snapshots are kept, the standard place unless given.
    TDoorSession(TSerDataPort& port, TControllerHost& host, TSyncViewer& viewer, TMessageBoxes& boxes,
                 const TSnapshotStore& history = TSnapshotStore());
    ~TDoorSession() override;
    TDoorSession(const TDoorSession&) = delete;
    TDoorSession& operator=(const TDoorSession&) = delete;

    using TCommand = TControllerCommands::TResult (TControllerCommands::*)();
    // One of the controller commands: a full write warns first of what the controller would then
    // hold (declined: Cancelled, nothing sent), and the tables a read got whole become a snapshot.
    TControllerCommands::TResult Run(TCommand command);
    TSyncCommands::Ending Compare(const QString& listSerial);
    TSyncCommands::Ending WriteChanges(const QString& listSerial);
    TSyncCommands::Ending Restore(const TSnapshotStore::TSnapshot& snapshot);

    // For callers that move keys themselves: the views to hand the transfers (they record what a
    // read stores), then the snapshot of the tables read whole under the identity known here.
    TKeyView& RecordingMaster() { return MasterView(); }
    TKeyView& RecordingSlave() { return SlaveView(); }
    void BeginRecording() { sync.BeginRecording(); }
    void StoreRecordedReads();

    // The identity as the last identity or information read left it.
    const TControllerInfoData& Identity() const { return identity; }
    // The caller's own version gate read it on this connection: the next compare or write takes
    // it instead of asking the controller again.
    void UseIdentity(const TControllerInfoData& data);

    // True while any command runs on the port: the commands that would change the port, the
    // views or the key list wait for its end.
    bool Busy() const { return running || commands.Busy() || sync.Busy(); }

    TControllerSession& Conversation() { return session; }
    TSyncCommands& Sync() { return sync; }
    const TSyncCommands& Sync() const { return sync; }
    TSnapshotStore& Snapshots() { return store; }

private:
    // TControllerHost: the host's, with the views recording and the identity kept.
    void OpenControllerPort() override { host.OpenControllerPort(); }
    void StepProgress(int step) override { host.StepProgress(step); }
    void PumpMessages() override { host.PumpMessages(); }
    void StartProgress(const QString& text) override { host.StartProgress(text); }
    void CloseProgress() override { host.CloseProgress(); }
    void SetKeyTransferEnabled(bool enabled) override { host.SetKeyTransferEnabled(enabled); }
    TControllerInfoData ControllerInfoData() const override { return host.ControllerInfoData(); }
    void SetControllerInfoData(const TControllerInfoData& data) override;
    TKeyView& MasterView() override;
    TKeyView& SlaveView() override;

    template <typename Command> auto Running(Command command);

    TControllerHost& host;
    TMessageBoxes& boxes;
    TSnapshotStore store;
    TControllerSession session;
    TControllerCommands commands;
    TSyncCommands sync;
    std::unique_ptr<TKeyView> masterRecorder;
    std::unique_ptr<TKeyView> slaveRecorder;
    TControllerInfoData identity;
    bool running = false;
};
