// The main window's share of compare, write changes and the controller history: three actions
// on the Dallas menu (the first two also in the write button's drop-down) handing their work to
// the synchronise commands.
#include "app/TMainFrm.h"

#include "keylist/TDbfKeyView.h"
#include "keylist/TKeyListStore.h"
#include "seams/TInstalledMessageBoxes.h"
#include "seams/ui/TErrorReport.h"
#include "serial/TSerComPort.h"
#include "site/TSiteDoorWitness.h"
#include "sync/TDoorSession.h"
#include "sync/TKeyListFile.h"
#include "sync/TSyncCommands.h"
#include "sync/ui/TDifferencesFrm.h"
#include "sync/ui/THistoryFrm.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>

void TMainFrm::CreateSync() {
    DCompareAct = NewAction(QStringLiteral("DCompareAct"), tr("Compare key list with controller"),
                            tr("Read the controller and show how it differs from the key list"), false);
    DSyncAct = NewAction(QStringLiteral("DSyncAct"), tr("Write changes to controller"),
                         tr("Write only the slots that differ from the key list, and check them"), false);
    DHistoryAct = NewAction(QStringLiteral("DHistoryAct"), tr("Controller history..."),
                            tr("What the controllers held when they were read or written"), true);
    MenuDallas->insertActions(
        MenuDallas->actions().value(MenuDallas->actions().indexOf(MenuWriteData->menuAction()) + 1),
        {DCompareAct, DSyncAct, DHistoryAct});
    WriteDropMenu->addSeparator();
    WriteDropMenu->addActions({DCompareAct, DSyncAct});

    DifferencesFrm = new TDifferencesFrm(this);
    Door =
        std::make_unique<TDoorSession>(*DallasPort, *this, *DifferencesFrm, TInstalledMessageBoxes::Shared());
    // A door of a site is also filed in the site's history and journal, for the whole team.
    Door->Snapshots().SetWitness(TSiteDoorWitness::ForList([this] { return OpenListPath(); }));
    HistoryFrm = new THistoryFrm(Door->Snapshots(), this);
}

void TMainFrm::ConnectSyncHandlers() {
    connectHandler(DCompareAct, &QAction::triggered, this, [this] { DCompareActExecute(); });
    connectHandler(DSyncAct, &QAction::triggered, this, [this] { DSyncActExecute(); });
    connectHandler(DHistoryAct, &QAction::triggered, this, [this] { DHistoryActExecute(); });
    HistoryFrm->OnOpenAsNew = [this](const TSnapshotStore::TSnapshot& snapshot) {
        TSyncCommands::OpenAsNewList(snapshot, *KeyListCommands, *KeyListStore, *this,
                                     TInstalledMessageBoxes::Shared());
    };
    HistoryFrm->OnRestore = [this](const TSnapshotStore::TSnapshot& snapshot) {
        RunControllerTask([&] { Door->Restore(snapshot); });
    };
}

QString TMainFrm::KeyListHeaderSerial() const {
    return KeyListStore->IsOpen() ? TKeyListFile::HeaderSerial(KeyListStore->WorkCopyPath()) : QString();
}

void TMainFrm::DCompareActExecute() {
    RunControllerTask([this] { Door->Compare(KeyListHeaderSerial()); });
}

void TMainFrm::DSyncActExecute() {
    RunControllerTask([this] { Door->WriteChanges(KeyListHeaderSerial()); });
}

void TMainFrm::DHistoryActExecute() {
    if (TransferRunning())
        return;
    HistoryFrm->SetRestoreEnabled(DSyncAct->isEnabled());
    HistoryFrm->Reload();
    HistoryFrm->exec();
}
