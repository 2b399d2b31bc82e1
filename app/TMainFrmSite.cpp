#include "app/TMainFrm.h"

#include "keylist/TKeyListCommands.h"
#include "keylist/TKeyListStore.h"
#include "seams/TFileDialogs.h"
#include "seams/TInstalledMessageBoxes.h"
#include "seams/ui/TErrorReport.h"
#include "site/ESiteError.h"
#include "site/TSiteOpenList.h"
#include "site/ui/TSiteFrm.h"

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
