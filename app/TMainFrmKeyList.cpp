// The main window's key-list handlers: each a few lines that call the key-list store, its
// commands and dialogs (keylist/). Kept apart from TMainFrm.cpp, which the other parts extend.
#include "app/TMainFrm.h"

#include "app/TProgressFrm.h"
#include "dbf/TDbfEnv.h"
#include "dbf/TDbfTable.h"
#include "keylist/TKeyListCommands.h"
#include "keylist/TKeyListStore.h"
#include "keylist/ui/TDBEditFrm.h"
#include "keylist/ui/TFindKeyFrm.h"
#include "keylist/ui/TKeyGrid.h"
#include "seams/TInstalledMessageBoxes.h"
#include "seams/TMessageBoxes.h"
#include "seams/ui/TErrorReport.h"
#include "settings/TAppSettings.h"
#include "site/TSiteSaveJournal.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>

void TMainFrm::CreateKeyList() {
    DbfEnv1 = new TDbfEnv(this);
    DbfEnv1->setObjectName(QStringLiteral("DbfEnv1"));
    // Exact comparison is what the filters, the duplicate check and Find rely on; setting it
    // loads the table engine.
    DbfEnv1->SetExact(true);
    MKeysTable = new TDbfTable(this);
    MKeysTable->setObjectName(QStringLiteral("MKeysTable"));
    SKeysTable = new TDbfTable(this);
    SKeysTable->setObjectName(QStringLiteral("SKeysTable"));
    KeyListStore = new TKeyListStore(*MKeysTable, *SKeysTable, *this);
    KeyListCommands = new TKeyListCommands(*KeyListStore, *this, TInstalledMessageBoxes::Shared());
    SiteSaveJournal = std::make_unique<TSiteSaveJournal>();
    KeyListCommands->SetSaveHook(SiteSaveJournal.get());
    MKeysGridLink = new TKeyGrid(*MKeysGrid, *MKeysTable, *KeyListStore);
    SKeysGridLink = new TKeyGrid(*SKeysGrid, *SKeysTable, *KeyListStore);
}

void TMainFrm::ConnectKeyListHandlers() {
    connectHandler(DNewBDAct, &QAction::triggered, this, [this] { DNewBDActExecute(); });
    connectHandler(DOpenBDAct, &QAction::triggered, this, [this] { DOpenBDActExecute(); });
    connectHandler(DSaveBDAct, &QAction::triggered, this, [this] { DSaveBDActExecute(); });
    connectHandler(MenuSaveAs, &QAction::triggered, this, [this] { MenuSaveAsClick(); });
    connectHandler(MenuFile, &QMenu::aboutToShow, this, [this] { UpdateRecentMenu(); });
    // Typed by the user; texts set by the program mark the list themselves where they change it.
    connectHandler(CtrInfoEdit, &QLineEdit::textEdited, this, [this] { CtrInfoEditChange(); });
    CtrInfoEdit->installEventFilter(this);

    for (TDbfTable* view : {MKeysTable, SKeysTable}) {
        connectHandler(view, &TDbfTable::AfterEdit, this, [this] { MKeysTableAfterEdit(); });
        for (auto signal : {&TDbfTable::AfterScroll, &TDbfTable::DataSetChanged, &TDbfTable::AfterOpen,
                            &TDbfTable::AfterClose, &TDbfTable::StateChanged})
            connectHandler(view, signal, this, [this, view] { UpdateNavigation(view); });
    }
    connectHandler(MKeysTable, &TDbfTable::AfterOpen, this, [this] { MKeysTableAfterOpen(); });
    connectHandler(SKeysTable, &TDbfTable::AfterOpen, this, [this] { SKeysTableAfterOpen(); });
    connectHandler(MKeysTable, &TDbfTable::AfterClose, this, [this] { MKeysTableAfterClose(); });
    connectHandler(SKeysTable, &TDbfTable::AfterClose, this, [this] { SKeysTableAfterClose(); });

    connectHandler(MFirstBtn, &QAction::triggered, this, [this] { MKeysTable->First(); });
    connectHandler(MPriorBtn, &QAction::triggered, this, [this] { MKeysTable->Prior(); });
    connectHandler(MNextBtn, &QAction::triggered, this, [this] { MKeysTable->Next(); });
    connectHandler(MLastBtn, &QAction::triggered, this, [this] { MKeysTable->Last(); });
    connectHandler(SFirstBtn, &QAction::triggered, this, [this] { SKeysTable->First(); });
    connectHandler(SPriorBtn, &QAction::triggered, this, [this] { SKeysTable->Prior(); });
    connectHandler(SNextBtn, &QAction::triggered, this, [this] { SKeysTable->Next(); });
    connectHandler(SLastBtn, &QAction::triggered, this, [this] { SKeysTable->Last(); });
    for (QAction* edit : {MEditKeyBtn, SEditKeyBtn})
        connectHandler(edit, &QAction::triggered, this, [this] { MEditKeyBtnClick(); });
    connectHandler(MDelKeyBtn, &QAction::triggered, this, [this] { MDelKeyBtnClick(); });
    connectHandler(SDelKeyBtn, &QAction::triggered, this, [this] { SDelKeyBtnClick(); });
    for (QAction* find : {MFindKeyBtn, SFindKeyBtn})
        connectHandler(find, &QAction::triggered, this, [this] { MFindKeyBtnClick(); });
    connectHandler(MKeysGrid, &QTableView::doubleClicked, this, [this] { MKeysGridDblClick(); });
    connectHandler(SKeysGrid, &QTableView::doubleClicked, this, [this] { SKeysGridDblClick(); });
    QObject::connect(MKeysGridLink, &TKeyGrid::TitleClicked, this, [this](int column) {
        TErrorReport::run([this, column] { MKeysGridTitleBtnClick(column); });
    });
    QObject::connect(SKeysGridLink, &TKeyGrid::TitleClicked, this, [this](int column) {
        TErrorReport::run([this, column] { SKeysGridTitleBtnClick(column); });
    });
}

void TMainFrm::UseSettings(TAppSettings* settings) {
    Settings = settings;
    KeyListCommands->SetSettings(settings);
    UpdateRecentMenu();
    UpdateLanguageMenu();
}

void TMainFrm::UpdateRecentMenu() {
    // Later, not at once: the entry that was clicked is still at work when this runs.
    for (QAction* old : MenuRecent->actions()) {
        MenuRecent->removeAction(old);
        old->deleteLater();
    }
    const QStringList paths = Settings ? Settings->recentKeyLists() : QStringList();
    for (int i = 0; i < paths.size(); ++i) {
        QString shown = QDir::toNativeSeparators(paths[i]);
        shown.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction* entry = MenuRecent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        const QString path = paths[i];
        connectHandler(entry, &QAction::triggered, this, [this, path] { MenuRecentClick(path); });
    }
    MenuRecent->menuAction()->setEnabled(!paths.isEmpty());
}

void TMainFrm::MenuRecentClick(const QString& path) {
    if (TransferRunning())
        return;
    KeyListCommands->OpenRecent(path);
    UpdateRecentMenu();
}

int TMainFrm::ActivePage() const {
    return PageControl->currentIndex();
}

QString TMainFrm::ControllerSerial() const {
    return CtrInfoData.serial;
}

QString TMainFrm::ControllerInfo() const {
    return CtrInfoData.info;
}

void TMainFrm::SetControllerFields(const QString& serial, const QString& info) {
    TControllerInfoData data = CtrInfoData;
    data.serial = serial;
    data.info = info;
    ShowControllerInfo(data);
}

void TMainFrm::SetCaption(const QString& caption) {
    setWindowTitle(caption + QStringLiteral("[*]"));
}

void TMainFrm::SetStatusText(const QString& text) {
    StatusPanel->setText(text);
}

void TMainFrm::EnableSave(bool enabled) {
    DSaveBDAct->setEnabled(enabled);
    MenuSaveAs->setEnabled(enabled);
}

void TMainFrm::StartProgress(const QString& text) {
    if (ProgressFrm)
        ProgressFrm->StartProgress(text);
}

void TMainFrm::StepProgress(int step) {
    if (ProgressFrm)
        ProgressFrm->StepProgress(quint8(step));
}

void TMainFrm::CloseProgress() {
    if (ProgressFrm)
        ProgressFrm->hide();
}

void TMainFrm::SetBusyCursor(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void TMainFrm::DNewBDActExecute() {
    KeyListCommands->New();
}

void TMainFrm::DOpenBDActExecute() {
    KeyListCommands->Open();
}

void TMainFrm::DSaveBDActExecute() {
    KeyListCommands->Save();
}

void TMainFrm::MenuSaveAsClick() {
    KeyListCommands->SaveAs();
}

void TMainFrm::MKeysTableAfterEdit() {
    KeyListCommands->MarkChanged();
}

void TMainFrm::CtrInfoEditChange() {
    KeyListCommands->MarkChanged();
}

void TMainFrm::CtrInfoEditClick() {
    if (CtrInfoEdit->isReadOnly())
        MessageBoxes().information(
            tr("To change controller information you must first create or open key list"));
}

void TMainFrm::MKeysTableAfterOpen() {
    ToolBar2->setEnabled(true);
    SetFieldReadOnly(CtrInfoEdit, false);
}

void TMainFrm::SKeysTableAfterOpen() {
    ToolBar3->setEnabled(true);
}

void TMainFrm::MKeysTableAfterClose() {
    ToolBar2->setEnabled(false);
    SetFieldReadOnly(CtrInfoEdit, true);
}

void TMainFrm::SKeysTableAfterClose() {
    ToolBar3->setEnabled(false);
}

void TMainFrm::UpdateNavigation(TDbfTable* view) {
    const bool master = view == MKeysTable;
    const bool browsing = view->Active() && view->State() == dsBrowse;
    // By the row the grid shows as current: the view's own BOF and EOF marks are only set by a
    // move that ran into an end.
    const int row = browsing ? view->CurrentRow() : -1;
    const int rows = browsing ? view->RowCount() : 0;
    const bool back = browsing && row > 0;
    const bool forward = browsing && row >= 0 && row < rows - 1;
    (master ? MFirstBtn : SFirstBtn)->setEnabled(back);
    (master ? MPriorBtn : SPriorBtn)->setEnabled(back);
    (master ? MNextBtn : SNextBtn)->setEnabled(forward);
    (master ? MLastBtn : SLastBtn)->setEnabled(forward);
}

void TMainFrm::MEditKeyBtnClick() {
    TDbfTable* view = ActivePage() == 1 ? MKeysTable : ActivePage() == 2 ? SKeysTable : nullptr;
    if (DBEditFrm && view && view->Active())
        DBEditFrm->ShowModal();
}

void TMainFrm::MKeysGridDblClick() {
    if (DBEditFrm && MKeysTable->Active())
        DBEditFrm->ShowModal();
}

void TMainFrm::SKeysGridDblClick() {
    if (DBEditFrm && SKeysTable->Active())
        DBEditFrm->ShowModal();
}

void TMainFrm::MDelKeyBtnClick() {
    if (MessageBoxes().confirmOkCancel(tr("Clear key information?")))
        TKeyListStore::Deactivate(*MKeysTable);
}

void TMainFrm::SDelKeyBtnClick() {
    if (MessageBoxes().confirmOkCancel(tr("Clear key information?")))
        TKeyListStore::Deactivate(*SKeysTable);
}

void TMainFrm::MFindKeyBtnClick() {
    if (FindKeyFrm && FindKeyFrm->ShowModal() == TFindKeyFrm::ResultNo)
        MessageBoxes().plain(TFindKeyFrm::NotFoundMessage(), TErrorReport::applicationTitle());
}

void TMainFrm::MKeysGridTitleBtnClick(int column) {
    MKeysGridLink->TitleBtnClick(column);
}

void TMainFrm::SKeysGridTitleBtnClick(int column) {
    SKeysGridLink->TitleBtnClick(column);
}
