#include "keylist/ui/TImportPreviewFrm.h"

#include "keylist/TKeyListRows.h"
#include "seams/ui/TAccessibility.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString shown(const TKeySlot& r) {
    if (!r.HasKey())
        return TImportPreviewFrm::tr("empty");
    return QStringLiteral("%1%2%3").arg(
        r.keyCode, r.active ? QString() : TImportPreviewFrm::tr(" (inactive)"),
        r.memo.isEmpty() ? QString() : QStringLiteral("  \"%1\"").arg(QString(r.memo).replace('\n', ' ')));
}

QTreeWidget* table(QWidget* parent, const char* name, const QStringList& titles) {
    auto* view = new QTreeWidget(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setRootIsDecorated(false);
    view->setHeaderLabels(titles);
    view->setAlternatingRowColors(true);
    view->header()->setStretchLastSection(true);
    return view;
}

} // namespace

TImportPreviewFrm::TImportPreviewFrm(const TKeyImport& plan, const QString& fileName, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ImportPreviewFrm"));
    setWindowTitle(tr("Import Keys"));
    SummaryLbl = new QLabel(this);
    SummaryLbl->setObjectName(QStringLiteral("SummaryLbl"));
    SummaryLbl->setWordWrap(true);
    SummaryLbl->setText(tr("%1: %2 slot(s) will change, %3 row(s) are refused, %4 row(s) change "
                           "nothing. Nothing changes until you choose Import.")
                            .arg(QFileInfo(fileName).fileName())
                            .arg(plan.Changes.size())
                            .arg(plan.Rejects.size())
                            .arg(plan.Unchanged));
    ChangesView = table(this, "ChangesView", {tr("Line"), tr("Slot"), tr("Now"), tr("After the import")});
    RejectsView = new QListWidget(this);
    RejectsView->setObjectName(QStringLiteral("RejectsView"));
    RejectsView->setWordWrap(true);
    RejectsView->setAlternatingRowColors(true);
    fillChanges(plan);
    fillRejects(plan);
    ImportBtn = new QPushButton(tr("Import"), this);
    ImportBtn->setObjectName(QStringLiteral("ImportBtn"));
    ImportBtn->setEnabled(!plan.Changes.isEmpty());
    CancelBtn = new QPushButton(tr("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setDefault(true);
    connect(ImportBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ImportBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SummaryLbl);
    layout->addWidget(new QLabel(tr("Changes:"), this));
    layout->addWidget(ChangesView, 3);
    layout->addWidget(new QLabel(tr("Refused rows (not imported):"), this));
    layout->addWidget(RejectsView, 2);
    layout->addLayout(buttons);
    resize(720, 480);
    NameForAccessibility();
}

void TImportPreviewFrm::fillChanges(const TKeyImport& plan) {
    for (const TKeyImport::TChange& change : plan.Changes)
        new QTreeWidgetItem(ChangesView, {QString::number(change.line), TKeyListRows::Place(change.after),
                                          shown(change.before), shown(change.after)});
    for (int c = 0; c < ChangesView->columnCount(); ++c)
        ChangesView->resizeColumnToContents(c);
}

void TImportPreviewFrm::fillRejects(const TKeyImport& plan) {
    for (const TKeyImport::TReject& reject : plan.Rejects)
        new QListWidgetItem(tr("Line %1: %2").arg(reject.line).arg(reject.reason), RejectsView);
}

void TImportPreviewFrm::NameForAccessibility() {
    TAccessibility::Describe({
        {SummaryLbl, tr("Summary"), tr("How many rows change the key list and how many are refused")},
        {ChangesView, tr("Changes"), tr("The slots the import changes, with their old and new keys")},
        {RejectsView, tr("Refused rows"), tr("The file's rows that are not imported, and why")},
        {ImportBtn, tr("Import"), tr("Make the changes in the key list")},
        {CancelBtn, tr("Cancel"), tr("Import nothing")},
    });
}
