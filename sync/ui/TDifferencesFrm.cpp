#include "sync/ui/TDifferencesFrm.h"

#include "seams/TFileDialogs.h"
#include "seams/TMessageBoxes.h"
#include "seams/ui/TAccessibility.h"
#include "seams/ui/TErrorReport.h"
#include "seams/ui/TScreenScale.h"
#include "sync/TDifferenceCsv.h"
#include "sync/TDifferenceTableModel.h"
#include "sync/ui/TDifferencesReport.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {
QPushButton* button(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}
} // namespace

TDifferencesFrm::TDifferencesFrm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("DifferencesFrm"));
    const TScreenScale scale = TScreenScale::forWidget(this);
    Model = new TDifferenceTableModel(this);
    MismatchLbl = new QLabel(this);
    MismatchLbl->setObjectName(QStringLiteral("MismatchLbl"));
    QFont bold = MismatchLbl->font();
    bold.setBold(true);
    MismatchLbl->setFont(bold);
    MismatchLbl->setWordWrap(true);
    CountsLbl = new QLabel(this);
    CountsLbl->setObjectName(QStringLiteral("CountsLbl"));
    Grid = new QTableView(this);
    Grid->setObjectName(QStringLiteral("Grid"));
    Grid->setModel(Model);
    Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->verticalHeader()->hide();
    Grid->horizontalHeader()->setStretchLastSection(true);
    ShowAllChk = new QCheckBox(tr("Show all slots"), this);
    ShowAllChk->setObjectName(QStringLiteral("ShowAllChk"));
    PrintBtn = button(this, "PrintBtn", tr("Print..."));
    PdfBtn = button(this, "PdfBtn", tr("Save as PDF..."));
    CsvBtn = button(this, "CsvBtn", tr("Export CSV..."));
    WriteBtn = button(this, "WriteBtn", tr("Write changes"));
    CancelBtn = button(this, "CancelBtn", tr("Cancel"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ShowAllChk);
    buttons->addStretch();
    for (QPushButton* b : {PrintBtn, PdfBtn, CsvBtn, WriteBtn, CancelBtn})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MismatchLbl);
    layout->addWidget(CountsLbl);
    layout->addWidget(Grid, 1);
    layout->addLayout(buttons);
    resize(scale.px(860), scale.px(360));

    connectHandler(ShowAllChk, &QCheckBox::toggled, this, [this] { ShowAllChkClick(); });
    connectHandler(PrintBtn, &QPushButton::clicked, this, [this] { PrintBtnClick(); });
    connectHandler(PdfBtn, &QPushButton::clicked, this, [this] { PdfBtnClick(); });
    connectHandler(CsvBtn, &QPushButton::clicked, this, [this] { CsvBtnClick(); });
    connect(WriteBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    NameForAccessibility();
}

void TDifferencesFrm::Present(const TKeyComparison& value, Purpose why) {
    comparison = value;
    purpose = why;
    const bool writing = purpose != Purpose::Compare;
    const QString wanted = purpose == Purpose::Restore ? tr("Snapshot") : tr("Key list");
    setWindowTitle(writing ? tr("Changes to write to controller %1").arg(comparison.heldSerial)
                           : tr("Differences: key list and controller %1").arg(comparison.heldSerial));
    Model->SetWantedName(wanted);
    Model->SetComparison(comparison);
    // Inside a sentence; German writes its nouns capitalised there too.
    const QString inSentence = purpose == Purpose::Restore ? tr("snapshot") : tr("key list");
    const QString mismatch = comparison.SerialMismatchText(inSentence);
    MismatchLbl->setText(mismatch);
    MismatchLbl->setVisible(!mismatch.isEmpty());
    CountsLbl->setText(comparison.CountsText() + QLatin1Char('.'));
    const int changes = int(comparison.Writable().size());
    WriteBtn->setText(changes == 1 ? tr("Write %1 change").arg(changes)
                                   : tr("Write %1 changes").arg(changes));
    WriteBtn->setVisible(writing);
    WriteBtn->setEnabled(changes > 0);
    CancelBtn->setText(writing ? tr("Cancel") : tr("Close"));
    Grid->resizeColumnsToContents();
}

bool TDifferencesFrm::ShowComparison(const TKeyComparison& value, Purpose why) {
    Present(value, why);
    return exec() == QDialog::Accepted && why != Purpose::Compare;
}

void TDifferencesFrm::ShowAllChkClick() {
    Model->SetShowAll(ShowAllChk->isChecked());
    Grid->resizeColumnsToContents();
}

QString TDifferencesFrm::ReportTitle() const {
    return purpose == Purpose::Compare ? tr("Differences between key list and controller")
                                       : tr("Changes to write to the controller");
}

void TDifferencesFrm::PrintBtnClick() {
    TDifferencesReport(*Model, comparison, ReportTitle()).Preview();
}

void TDifferencesFrm::PdfBtnClick() {
    const QString path = FileDialogs().getSaveFileName(tr("Save differences as PDF"), tr("PDF files (*.pdf)"),
                                                       QString(), QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    QString error;
    if (!TDifferencesReport(*Model, comparison, ReportTitle()).ExportPdf(path, &error))
        MessageBoxes().error(tr("Can not write %1: %2").arg(path, error));
}

void TDifferencesFrm::CsvBtnClick() {
    const QString path = FileDialogs().getSaveFileName(
        tr("Export differences as CSV"), tr("CSV files (*.csv)"), QString(), QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    QString error;
    if (!TDifferenceCsv::Write(*Model, path, &error))
        MessageBoxes().error(tr("Can not write %1: %2").arg(path, error));
}

void TDifferencesFrm::NameForAccessibility() {
    TAccessibility::Describe({
        {MismatchLbl, tr("Warning"), tr("The controller is not the one the key list was made for")},
        {CountsLbl, tr("Counts"), tr("How many slots differ")},
        {Grid, tr("Differences"), tr("One row a slot: what the controller holds and what the list wants")},
        {ShowAllChk, tr("Show all slots"), tr("Show the slots that are the same as well")},
        {PrintBtn, tr("Print..."), tr("Print the differences")},
        {PdfBtn, tr("Save as PDF..."), tr("Save the differences as a PDF file")},
        {CsvBtn, tr("Export CSV..."), tr("Save the differences as a CSV file")},
        {WriteBtn, tr("Write changes"), tr("Write the differing slots to the controller")},
        {CancelBtn, tr("Cancel"), tr("Close without writing")},
    });
    // Enter never writes to a controller by itself.
    CancelBtn->setDefault(true);
    TAccessibility::SetTextColor(MismatchLbl, QColor(0xb0, 0x00, 0x00));
    // Tab leaves the table for the next control; the arrow keys move inside it.
    Grid->setTabKeyNavigation(false);
}
