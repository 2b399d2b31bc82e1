#include "app/TMainFrm.h"

#include "keylist/TKeyListCommands.h"
#include "keylist/TKeyListStore.h"
#include "seams/TFileDialogs.h"
#include "seams/TInstalledMessageBoxes.h"
#include "seams/ui/TErrorReport.h"
#include "site/ESiteError.h"
#include "site/TSiteOpenList.h"
#include "site/ui/TSiteFrm.h"
#include "sync/TDoorSession.h"

#include <QAction>
#include <QFileInfo>

QAction* TMainFrm::SiteAction() {
    MenuSite = NewAction(QStringLiteral("MenuSite"), tr("Site..."),
                         tr("Every controller of a building: status, find, revoke and give a key"), true);
    connectHandler(MenuSite, &QAction::triggered, this, [this] { MenuSiteClick(); });
    return MenuSite;
}

void TMainFrm::MenuSiteClick() {
    const QString path =
        FileDialogs().getOpenFileName(tr("Open site"), tr("Site files (site.ini)"), QString());
    if (path.isEmpty())
        return;
    if (!SiteFrm)
        SiteFrm = new TSiteFrm(
            TInstalledMessageBoxes::Shared(),
            [this](const QString& list) {
                MenuRecentClick(list);
                raise();
                activateWindow();
            },
            this);
    SiteFrm->SetOpenListHook(this);
    SiteFrm->SetRoundHost(this);
    try {
        SiteFrm->OpenSite(QFileInfo(path).absolutePath());
    } catch (const ESiteError& e) {
        TInstalledMessageBoxes::Shared().error(e.Text());
        return;
    }
    SiteFrm->show();
    SiteFrm->raise();
}

QString TMainFrm::OpenListPath() {
    return KeyListStore->IsOpen() ? KeyList().Path() : QString();
}

void TMainFrm::ApplyToOpenList(const QList<TSiteKeyChange::TSlot>& edits) {
    TSiteOpenList::Apply(*KeyListStore, edits);
    KeyListCommands->MarkChanged();
}

bool TMainFrm::ReadControllerIdentity(QString& serial, QString& info) {
    // The round only asks who is there: the open list, maybe another door's, keeps its own serial
    // number and text, or a save of it would name the wrong controller.
    const TControllerInfoData shown = CtrInfoData;
    const bool modified = KeyList().Modified();
    TControllerCommands::TResult read{TControllerCommands::Ending::Cancelled, std::nullopt};
    RunControllerTask([&] { read = Door->Run(&TControllerCommands::DGetInfoActExecute); });
    SetControllerFields(shown.serial, shown.info);
    KeyList().SetModified(modified);
    if (read.ending != TControllerCommands::Ending::Done)
        return false;
    serial = Door->Identity().serial;
    info = Door->Identity().info;
    return true;
}

bool TMainFrm::OpenKeyList(const QString& path) {
    const auto same = [&path](const QString& open) {
        return !open.isEmpty() && QFileInfo(open).canonicalFilePath() == QFileInfo(path).canonicalFilePath();
    };
    if (same(OpenListPath()))
        return true;
    MenuRecentClick(path);
    return same(OpenListPath());
}

void TMainFrm::WriteChanges() {
    DSyncActExecute();
}

bool TMainFrm::ReadIntoNewList() {
    if (TransferRunning() || !KeyListCommands->New())
        return false;
    TControllerCommands::TResult read{TControllerCommands::Ending::Cancelled, std::nullopt};
    RunControllerTask([&] { read = Door->Run(&TControllerCommands::DGetAllActExecute); });
    return read.ending == TControllerCommands::Ending::Done;
}

bool TMainFrm::SaveListAs(const QString& path) {
    return KeyListCommands->SaveAsFile(path);
}

const TSnapshotStore& TMainFrm::History() {
    return Door->Snapshots();
}
