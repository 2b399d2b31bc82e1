// The main window's share of the controller link: the port, the information and key-transfer
// actions, the line test. Each handler hands its work to the controller classes.
#include "app/TMainFrm.h"

#include "controller/TControllerCommands.h"
#include "controller/TControllerPort.h"
#include "controller/TControllerSession.h"
#include "controller/ui/TLineTestFrm.h"
#include "keylist/TDbfKeyView.h"
#include "keylist/TKeyListCommands.h"
#include "keylist/TKeyListStore.h"
#include "seams/ui/TErrorReport.h"
#include "seams/TInstalledMessageBoxes.h"
#include "serial/TSerComPort.h"
#include "sync/TSyncCommands.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QTableView>
#include <QToolBar>

void TMainFrm::CreateController() {
    DallasPort = new TSerComPort(this);
    DallasPort->setObjectName(QStringLiteral("DallasPort"));
    DallasPort->SetBaud(TControllerPort::Baud);
    DallasPort->SetAutoOpen(false);
    ControllerPort = std::make_unique<TControllerPort>(
        *DallasPort, [this](bool open, int comNumber) { ShowPortStatus(open, comNumber); });
    MKeysView = std::make_unique<TDbfKeyView>(*MKeysTable);
    SKeysView = std::make_unique<TDbfKeyView>(*SKeysTable);
    Session =
        std::make_unique<TControllerSession>(*DallasPort, *this, *this, TInstalledMessageBoxes::Shared());
    Controller = std::make_unique<TControllerCommands>(*Session, *this);
}

void TMainFrm::ConnectControllerHandlers() {
    for (const auto& [edit, member] : InfoFields()) {
        auto field = member;
        QObject::connect(edit, &QLineEdit::textChanged, this,
                         [this, field](const QString& text) { CtrInfoData.*field = text; });
    }
    connectHandler(DallasPort, &TSerComPort::OnPortOpen, this, [this] { DallasPortPortOpen(); });
    connectHandler(DallasPort, &TSerComPort::OnPortClose, this, [this] { DallasPortPortClose(); });
    connectHandler(DallasPort, &TSerComPort::OnPortHangup, this, [this] { DallasPortPortHangup(); });
    connectHandler(MenuSelectPort, &QAction::triggered, this, [this] { MenuSelectPortClick(); });
    connectHandler(DCheckAct, &QAction::triggered, this, [this] { DCheckActExecute(); });
    const std::pair<QAction*, TControllerCommands::TResult (TControllerCommands::*)()> commands[] = {
        {DGetInfoAct, &TControllerCommands::DGetInfoActExecute},
        {DPutInfoAct, &TControllerCommands::DPutInfoActExecute},
        {DGetMKeysAct, &TControllerCommands::DGetMKeysActExecute},
        {DGetSKeysAct, &TControllerCommands::DGetSKeysActExecute},
        {DGetAllAct, &TControllerCommands::DGetAllActExecute},
        {DPutMKeysAct, &TControllerCommands::DPutMKeysActExecute},
        {DPutSKeysAct, &TControllerCommands::DPutSKeysActExecute},
        {DPutAllAct, &TControllerCommands::DPutAllActExecute}};
    for (const auto& [action, command] : commands) {
        auto run = command;
        // The writes warn first about what the controller would then hold.
        const bool master = action == DPutMKeysAct || action == DPutAllAct;
        const bool slave = action == DPutSKeysAct || action == DPutAllAct;
        connectHandler(action, &QAction::triggered, this, [this, run, master, slave] {
            RunControllerCommand([this, run, master, slave] {
                if (!TSyncCommands::ConfirmListWrite(*MKeysView, *SKeysView, master, slave,
                                                     TInstalledMessageBoxes::Shared()))
                    return;
                Sync->BeginRecording();
                (Controller.get()->*run)();
                SnapshotRecordedReads();
            });
        });
    }
    ConnectSyncHandlers();
}

bool TMainFrm::TransferRunning() const {
    return (Controller && Controller->Busy()) || (Sync && Sync->Busy());
}

template <typename Command> void TMainFrm::RunControllerCommand(Command command) {
    if (TransferRunning())
        return;
    // Between key slots window messages are handled, so the window repaints; what could change
    // the port, the views or the key list meanwhile is out of reach until the command ends.
    // Each gets back its own state: a key toolbar stays disabled while its view is closed.
    QList<QPair<QWidget*, bool>> held;
    const QList<QWidget*> widgets = {menuBar(), ToolBar1,  ToolBar2,   ToolBar3,
                                     MKeysGrid, SKeysGrid, CtrInfoEdit};
    for (QWidget* widget : widgets) {
        held.append({widget, !widget->testAttribute(Qt::WA_ForceDisabled)});
        widget->setEnabled(false);
    }
    struct Release {
        QList<QPair<QWidget*, bool>>& held;
        ~Release() {
            for (const auto& [widget, enabled] : held)
                widget->setEnabled(enabled);
        }
    } release{held};
    command();
}

void TMainFrm::DallasPortPortHangup() {
    // The closing has disabled the controller actions; the label shows that no port is selected.
    ShowPortStatus(false, DallasPort->ComNumber());
}

void TMainFrm::RunControllerTask(const std::function<void()>& task) {
    RunControllerCommand(task);
}

void TMainFrm::MenuSelectPortClick() {
    if (!TransferRunning())
        OpenControllerPort();
}

void TMainFrm::DCheckActExecute() {
    if (TransferRunning() || !LineTestFrm)
        return;
    LineTestFrm->exec();
}

void TMainFrm::OpenControllerPort() {
    ControllerPort->OpenControllerPort();
}

void TMainFrm::PumpMessages() {
    QApplication::processEvents();
}

QList<std::pair<QLineEdit*, QString TControllerInfoData::*>> TMainFrm::InfoFields() const {
    return {{PrgVersionEdit, &TControllerInfoData::programVersion},
            {CtrSerialEdit, &TControllerInfoData::serial},
            {CtrInfoEdit, &TControllerInfoData::info},
            {MaxMKeyEdit, &TControllerInfoData::maxMasterKeys},
            {MaxSKeyEdit, &TControllerInfoData::maxSlaveKeys},
            {KeyTypeEdit, &TControllerInfoData::keyType},
            {MemoryEdit, &TControllerInfoData::memory},
            {LockTimeEdit, &TControllerInfoData::lockTime},
            {DoorSignalEdit, &TControllerInfoData::doorSignal},
            {DoorTypeEdit, &TControllerInfoData::doorType}};
}

void TMainFrm::SetControllerInfoData(const TControllerInfoData& data) {
    // What a controller read brings changes the list only where its header record changes.
    const bool headerChanged = data.serial != CtrInfoData.serial || data.info != CtrInfoData.info;
    ShowControllerInfo(data);
    if (headerChanged && KeyListStore->IsOpen())
        KeyListCommands->MarkChanged();
}

void TMainFrm::ShowControllerInfo(const TControllerInfoData& data) {
    CtrInfoData = data;
    for (const auto& [edit, member] : InfoFields())
        edit->setText(data.*member);
}

void TMainFrm::SetKeyTransferEnabled(bool enabled) {
    EnableKeyTransferActions(enabled);
}

TKeyView& TMainFrm::MasterView() {
    return MKeysRecorder ? *MKeysRecorder : *MKeysView;
}

TKeyView& TMainFrm::SlaveView() {
    return SKeysRecorder ? *SKeysRecorder : *SKeysView;
}
