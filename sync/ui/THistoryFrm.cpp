#include "sync/ui/THistoryFrm.h"

#include "settings/TLocaleText.h"

#include "seams/ui/TAccessibility.h"
#include "seams/ui/TErrorReport.h"
#include "seams/ui/TScreenScale.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
QTableWidget* grid(QWidget* parent, const char* name, const QStringList& titles) {
    auto* table = new QTableWidget(0, int(titles.size()), parent);
    table->setObjectName(QString::fromLatin1(name));
    table->setHorizontalHeaderLabels(titles);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void setRow(QTableWidget* table, int row, const QStringList& cells) {
    for (int column = 0; column < cells.size(); ++column)
        table->setItem(row, column, new QTableWidgetItem(cells[column]));
}

QString localTime(const QDateTime& utc) {
    return TLocaleText::DateTime(utc, TLocaleText::Precision::Seconds);
}

QString tablesText(const TSnapshotStore::TSnapshot& s) {
    if (s.masterValid && s.slaveValid)
        return THistoryFrm::tr("both");
    return s.masterValid ? THistoryFrm::tr("master only") : THistoryFrm::tr("slave only");
}
} // namespace

THistoryFrm::THistoryFrm(TSnapshotStore& store, QWidget* parent) : QDialog(parent), store(store) {
    setObjectName(QStringLiteral("HistoryFrm"));
    setWindowTitle(tr("Controller history"));
    const TScreenScale scale = TScreenScale::forWidget(this);
    ControllersGrid = grid(this, "ControllersGrid",
                           {tr("Serial number"), tr("Information"), tr("Last contact"), tr("Snapshots")});
    SnapshotsGrid = grid(this, "SnapshotsGrid",
                         {tr("Taken"), tr("Made by"), tr("Tables"), tr("Changed slots"), tr("Firmware")});
    PlaceLbl = new QLabel(this);
    PlaceLbl->setObjectName(QStringLiteral("PlaceLbl"));
    PlaceLbl->setTextInteractionFlags(Qt::TextSelectableByMouse);
    OpenBtn = new QPushButton(tr("Open as new key list"), this);
    OpenBtn->setObjectName(QStringLiteral("OpenBtn"));
    RestoreBtn = new QPushButton(tr("Restore to controller..."), this);
    RestoreBtn->setObjectName(QStringLiteral("RestoreBtn"));
    CloseBtn = new QPushButton(tr("Close"), this);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(PlaceLbl, 1);
    for (QPushButton* b : {OpenBtn, RestoreBtn, CloseBtn})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Controllers"), this));
    layout->addWidget(ControllersGrid, 2);
    layout->addWidget(new QLabel(tr("Snapshots of the selected controller, newest first"), this));
    layout->addWidget(SnapshotsGrid, 3);
    layout->addLayout(buttons);
    resize(scale.px(760), scale.px(480));

    connectHandler(ControllersGrid, &QTableWidget::itemSelectionChanged, this,
                   [this] { ControllersGridSelect(); });
    connectHandler(SnapshotsGrid, &QTableWidget::itemSelectionChanged, this,
                   [this] { SnapshotsGridSelect(); });
    connectHandler(OpenBtn, &QPushButton::clicked, this, [this] { OpenBtnClick(); });
    connectHandler(RestoreBtn, &QPushButton::clicked, this, [this] { RestoreBtnClick(); });
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::reject);
    NameForAccessibility();
}

void THistoryFrm::Reload() {
    controllers = store.Controllers();
    ControllersGrid->setRowCount(int(controllers.size()));
    for (int row = 0; row < controllers.size(); ++row) {
        const TSnapshotStore::TController& c = controllers[row];
        setRow(ControllersGrid, row,
               {c.serial, c.info, localTime(c.lastContact), QString::number(c.snapshots)});
    }
    ControllersGrid->resizeColumnsToContents();
    PlaceLbl->setText(QDir::toNativeSeparators(store.Root()));
    if (!controllers.isEmpty())
        ControllersGrid->selectRow(0);
    else
        ControllersGridSelect();
}

void THistoryFrm::ControllersGridSelect() {
    const int row = ControllersGrid->currentRow();
    snapshots = row >= 0 && row < controllers.size() ? store.Snapshots(controllers[row].serial)
                                                     : QList<TSnapshotStore::TSnapshot>();
    SnapshotsGrid->setRowCount(int(snapshots.size()));
    for (int i = 0; i < snapshots.size(); ++i) {
        const TSnapshotStore::TSnapshot& s = snapshots[i];
        setRow(SnapshotsGrid, i,
               {localTime(s.time), s.kind, tablesText(s),
                s.changedSlots < 0 ? tr("first") : QString::number(s.changedSlots), s.version});
    }
    SnapshotsGrid->resizeColumnsToContents();
    if (!snapshots.isEmpty())
        SnapshotsGrid->selectRow(0);
    UpdateButtons();
}

void THistoryFrm::SnapshotsGridSelect() {
    UpdateButtons();
}

std::optional<TSnapshotStore::TSnapshot> THistoryFrm::SelectedSnapshot() const {
    const int row = SnapshotsGrid->currentRow();
    if (row < 0 || row >= snapshots.size() || SnapshotsGrid->selectedItems().isEmpty())
        return std::nullopt;
    return snapshots[row];
}

void THistoryFrm::SetRestoreEnabled(bool enabled) {
    restoreEnabled = enabled;
    UpdateButtons();
}

void THistoryFrm::UpdateButtons() {
    const bool selected = SelectedSnapshot().has_value();
    OpenBtn->setEnabled(selected);
    RestoreBtn->setEnabled(selected && restoreEnabled);
    RestoreBtn->setToolTip(restoreEnabled ? QString()
                                          : tr("Read the controller information first: restoring "
                                               "needs a controller whose version was accepted."));
}

void THistoryFrm::OpenBtnClick() {
    const auto snapshot = SelectedSnapshot();
    if (!snapshot || !OnOpenAsNew)
        return;
    accept();
    OnOpenAsNew(*snapshot);
}

void THistoryFrm::RestoreBtnClick() {
    const auto snapshot = SelectedSnapshot();
    if (!snapshot || !OnRestore)
        return;
    accept();
    OnRestore(*snapshot);
}

void THistoryFrm::NameForAccessibility() {
    TAccessibility::Describe({
        {ControllersGrid, tr("Controllers"), tr("Every controller read or written, with its last contact")},
        {SnapshotsGrid, tr("Snapshots"), tr("Snapshots of the selected controller, newest first")},
        {PlaceLbl, tr("Folder"), tr("Where the snapshots are kept")},
        {OpenBtn, tr("Open as new key list"), tr("Open the selected snapshot as a new key list")},
        {RestoreBtn, tr("Restore to controller..."),
         tr("Write the selected snapshot back to its controller")},
        {CloseBtn, tr("Close"), tr("Close the history")},
    });
    CloseBtn->setDefault(true);
    // Tab leaves a table for the next control; the arrow keys move inside it.
    for (QTableWidget* table : {ControllersGrid, SnapshotsGrid})
        table->setTabKeyNavigation(false);
}
