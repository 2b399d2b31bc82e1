// The main window's keys in and out: CSV export and import through the File menu, and "Enrol
// keys..." on both key pages. The handlers call the key-list core and its windows.
#include "app/TMainFrm.h"

#include "dbf/TDbfTable.h"
#include "keylist/TKeyCsvWriter.h"
#include "keylist/TKeyImport.h"
#include "keylist/TKeyListRows.h"
#include "keylist/TKeyListStore.h"
#include "keylist/ui/TEnrolKeysFrm.h"
#include "keylist/ui/TImportPreviewFrm.h"
#include "seams/TFileDialogs.h"
#include "seams/TMessageBoxes.h"
#include "seams/ui/TErrorReport.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QStyle>
#include <QToolBar>

namespace {
const char* const CsvFilter = QT_TRANSLATE_NOOP("TMainFrm", "CSV files (*.csv);;All files (*)");
}

void TMainFrm::CreateKeysInOut() {
    MenuImportCsv = NewAction(QStringLiteral("MenuImportCsv"), tr("Import keys from CSV..."),
                              tr("Import keys from a CSV file into the open key list"), false);
    MenuExportCsv = NewAction(QStringLiteral("MenuExportCsv"), tr("Export key list to CSV..."),
                              tr("Write the open key list to a CSV file"), false);
    MenuFile->insertAction(DPrintBDAct, MenuImportCsv);
    MenuFile->insertAction(DPrintBDAct, MenuExportCsv);
    MenuFile->insertSeparator(DPrintBDAct);
    const QString hint = tr("Enrol keys...");
    MEnrolKeysBtn = NewAction(QStringLiteral("MEnrolKeysBtn"), hint, hint, true);
    SEnrolKeysBtn = NewAction(QStringLiteral("SEnrolKeysBtn"), hint, hint, true);
    for (auto [bar, action] : {std::pair{ToolBar2, MEnrolKeysBtn}, std::pair{ToolBar3, SEnrolKeysBtn}}) {
        action->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
        bar->addSeparator();
        bar->addAction(action);
    }
    connectHandler(MenuImportCsv, &QAction::triggered, this, [this] { MenuImportCsvClick(); });
    connectHandler(MenuExportCsv, &QAction::triggered, this, [this] { MenuExportCsvClick(); });
    for (QAction* enrol : {MEnrolKeysBtn, SEnrolKeysBtn})
        connectHandler(enrol, &QAction::triggered, this, [this] { MEnrolKeysBtnClick(); });
    // Both need an open key list, as the key pages do.
    for (auto [signal, open] :
         {std::pair{&TDbfTable::AfterOpen, true}, std::pair{&TDbfTable::AfterClose, false}})
        QObject::connect(MKeysTable, signal, this, [this, open = open] {
            MenuImportCsv->setEnabled(open);
            MenuExportCsv->setEnabled(open);
        });
}

void TMainFrm::MenuExportCsvClick() {
    if (!KeyListStore->IsOpen() || TransferRunning())
        return;
    const QString path =
        FileDialogs().getSaveFileName(tr("Export key list"), tr(CsvFilter), QString(), QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    TKeyCsvWriter::Save(path, TKeyListRows::Read(*MKeysTable) + TKeyListRows::Read(*SKeysTable),
                        {ControllerSerial(), ControllerInfo()});
}

void TMainFrm::MenuImportCsvClick() {
    if (!KeyListStore->IsOpen() || TransferRunning())
        return;
    const QString path = FileDialogs().getOpenFileName(tr("Import keys"), tr(CsvFilter), QString());
    if (path.isEmpty())
        return;
    const TKeyImport plan = TKeyImport::Plan(TKeyImport::ReadFile(path), TKeyListRows::Read(*MKeysTable) +
                                                                             TKeyListRows::Read(*SKeysTable));
    TImportPreviewFrm preview(plan, path, this);
    if (preview.exec() == QDialog::Accepted)
        plan.Apply(*MKeysTable, *SKeysTable);
}

void TMainFrm::MEnrolKeysBtnClick() {
    TDbfTable* view = ActivePage() == 1 ? MKeysTable : ActivePage() == 2 ? SKeysTable : nullptr;
    if (!view || !view->Active() || TransferRunning())
        return;
    TEnrolKeysFrm enrol(*KeyListStore, *view, TEnrolKeysFrm::TBusMaker(), this);
    enrol.exec();
}
