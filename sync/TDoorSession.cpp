#include "sync/TDoorSession.h"

#include "sync/TKeyTables.h"
#include "sync/TRecordingKeyView.h"

namespace {
bool writesMaster(TDoorSession::TCommand command) {
    return command == &TControllerCommands::DPutMKeysActExecute ||
           command == &TControllerCommands::DPutAllActExecute;
}

bool writesSlave(TDoorSession::TCommand command) {
    return command == &TControllerCommands::DPutSKeysActExecute ||
           command == &TControllerCommands::DPutAllActExecute;
}
} // namespace

TDoorSession::TDoorSession(TSerDataPort& port, TControllerHost& host, TSyncViewer& viewer,
                           TMessageBoxes& boxes, const TSnapshotStore& history)
    : host(host), boxes(boxes), store(history), session(port, *this, *this, boxes), commands(session, *this),
      sync(session.Exchange(), *this, viewer, store, boxes) {}

TDoorSession::~TDoorSession() = default;

template <typename Command> auto TDoorSession::Running(Command command) {
    // Nested runs (a restore from the history while nothing else runs) keep the outer state.
    struct Flag {
        bool& flag;
        bool outer;
        ~Flag() { flag = outer; }
    } flag{running, running};
    running = true;
    return command();
}

TControllerCommands::TResult TDoorSession::Run(TCommand command) {
    return Running([&] {
        if (!TSyncCommands::ConfirmListWrite(host.MasterView(), host.SlaveView(), writesMaster(command),
                                             writesSlave(command), boxes))
            return TControllerCommands::TResult{TControllerCommands::Ending::Cancelled, std::nullopt};
        BeginRecording();
        const TControllerCommands::TResult result = (commands.*command)();
        StoreRecordedReads();
        return result;
    });
}

TSyncCommands::Ending TDoorSession::Compare(const QString& listSerial) {
    return Running([&] { return sync.Compare(listSerial); });
}

TSyncCommands::Ending TDoorSession::WriteChanges(const QString& listSerial) {
    return Running([&] { return sync.WriteChanges(listSerial); });
}

TSyncCommands::Ending TDoorSession::Restore(const TSnapshotStore::TSnapshot& snapshot) {
    return Running([&] { return sync.Restore(snapshot); });
}

void TDoorSession::StoreRecordedReads() {
    // Transfers run only after the supported version was accepted, so the controller's identity
    // was read on this connection; the window's fields may show an open list's instead, and a
    // snapshot filed under them would go into another controller's history.
    const TControllerInfoData known =
        identity.serial.isEmpty() || identity.serial == TControllerInfoData().serial
            ? host.ControllerInfoData()
            : identity;
    sync.StoreRecordedReads(known.serial, known.info, TControllerInfo::SupportedVersion);
}

void TDoorSession::UseIdentity(const TControllerInfoData& data) {
    SetControllerInfoData(data);
    sync.UseIdentity(data.versionCode, data.serial, data.info);
}

void TDoorSession::SetControllerInfoData(const TControllerInfoData& data) {
    identity = data;
    host.SetControllerInfoData(data);
}

TKeyView& TDoorSession::MasterView() {
    if (!masterRecorder)
        masterRecorder = std::make_unique<TRecordingKeyView>(host.MasterView(), sync.Recorded().master);
    return *masterRecorder;
}

TKeyView& TDoorSession::SlaveView() {
    if (!slaveRecorder)
        slaveRecorder = std::make_unique<TRecordingKeyView>(host.SlaveView(), sync.Recorded().slave);
    return *slaveRecorder;
}
