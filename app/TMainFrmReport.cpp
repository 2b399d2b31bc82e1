// The main window's printing handlers: the key-list report, its templates, the filters that hold
// while its pages are built, and the variables it asks for. Kept apart from TMainFrm.cpp.
#include "app/TMainFrm.h"
#include "keylist/TKeyListSchema.h"

#include "dbf/TDbfTable.h"
#include "keylist/TKeyListCommands.h"
#include "report/TrpDBDataSet.h"
#include "report/TrpDbfTableRows.h"
#include "report/TrpReport.h"
#include "seams/ui/TErrorReport.h"
#include "seams/TInstalledMessageBoxes.h"
#include "settings/TInstallDirs.h"

#include <QAction>
#include <QCoreApplication>

#include <utility>

namespace {

const QString MasterPrintFilter = QLatin1String(TKeyListSchema::MasterPrintFilter);
const QString SlavePrintFilter = QLatin1String(TKeyListSchema::SlavePrintFilter);
// Printing gives the views back their filter in parentheses, as it always has; the engine reads
// both spellings alike.
const QString MasterFilter = QStringLiteral("(%1)").arg(QLatin1String(TKeyListSchema::MasterFilter));
const QString SlaveFilter = QStringLiteral("(%1)").arg(QLatin1String(TKeyListSchema::SlaveFilter));

void setFilter(TDbfTable* view, const QString& filter) {
    view->SetFilter(filter);
    view->SetFiltered(true);
    view->Refresh();
}

} // namespace

void TMainFrm::CreateReport() {
    KeyReport = new TrpReport(TInstalledMessageBoxes::Shared(), this);
    KeyReport->setObjectName(QStringLiteral("KeyReport"));
    KeyReport->Title = QStringLiteral("VELM Tarvikon");
    KeyReport->PreviewButtons = TrpReport::pbZoom | TrpReport::pbPrint | TrpReport::pbFind |
                                TrpReport::pbHelp | TrpReport::pbExit | TrpReport::pbPageSetup;
    KeyReport->InitialZoom = TrpReport::pzDefault;
    MDataSource = new TrpDbfTableRows(*MKeysTable, this);
    SDataSource = new TrpDbfTableRows(*SKeysTable, this);
    rpDBDataSet1 = new TrpDBDataSet(QStringLiteral("rpDBDataSet1"), this);
    rpDBDataSet2 = new TrpDBDataSet(QStringLiteral("rpDBDataSet2"), this);
    KeyReport->AddDataSet(rpDBDataSet1);
    KeyReport->AddDataSet(rpDBDataSet2);
    ReportTemplateDir = QCoreApplication::applicationDirPath();
}

void TMainFrm::ConnectReportHandlers() {
    connectHandler(DPrintBDAct, &QAction::triggered, this, [this] { DPrintBDActExecute(); });
    // Direct calls rather than signals: a view failing while its filter changes must end the
    // print command, which then reports it.
    KeyReport->OnBeginDoc = [this] { KeyReportBeginDoc(); };
    KeyReport->OnEndDoc = [this] { KeyReportEndDoc(); };
    KeyReport->OnGetValue = [this](const QString& name, QVariant& value) { KeyReportGetValue(name, value); };
}

void TMainFrm::DPrintBDActExecute() {
    KeyReport->ClearReport();
    const bool listOpen = MKeysTable->Active() && SKeysTable->Active();
    KeyReport->LoadTemplate(TInstallDirs::locate(
        ReportTemplateDir, listOpen ? QStringLiteral("CtrlInfoKeys.rpt") : QStringLiteral("CtrlInfo.rpt")));
    KeyReport->BuildPages();
    KeyReport->ShowPreview();
}

void TMainFrm::KeyReportBeginDoc() {
    if (!MKeysTable->Active() || !SKeysTable->Active())
        return;
    rpDBDataSet1->SetDataSource(MDataSource);
    setFilter(MKeysTable, MasterPrintFilter);
    rpDBDataSet2->SetDataSource(SDataSource);
    setFilter(SKeysTable, SlavePrintFilter);
}

void TMainFrm::KeyReportEndDoc() {
    if (!MKeysTable->Active() || !SKeysTable->Active())
        return;
    setFilter(MKeysTable, MasterFilter);
    setFilter(SKeysTable, SlaveFilter);
}

void TMainFrm::KeyReportGetValue(const QString& name, QVariant& value) {
    const std::pair<const char*, QString> answers[] = {
        {"PRGV", CtrInfoData.programVersion},
        {"SN", CtrInfoData.serial},
        {"INFO", CtrInfoData.info},
        {"MAXMK", CtrInfoData.maxMasterKeys},
        {"MAXSK", CtrInfoData.maxSlaveKeys},
        {"TYPE", CtrInfoData.keyType},
        {"MEMORY", CtrInfoData.memory},
        {"DOOR1", CtrInfoData.lockTime},
        {"DOOR2", CtrInfoData.doorSignal},
        {"DOOR3", CtrInfoData.doorType},
        {"FILENAME", KeyListCommands->KeyListTitle()},
    };
    const QString upper = name.toUpper();
    for (const auto& [variable, text] : answers) {
        if (upper == QLatin1String(variable)) {
            value = text;
            return;
        }
    }
}
