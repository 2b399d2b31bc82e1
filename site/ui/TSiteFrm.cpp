#include "site/ui/TSiteFrm.h"

#include "settings/TLocaleText.h"

#include "seams/TMessageBoxes.h"
#include "seams/ui/TAccessibility.h"
#include "seams/ui/TErrorReport.h"
#include "site/ESiteError.h"
#include "site/TSite.h"
#include "site/TSiteDoorRound.h"
#include "site/TSiteFinder.h"
#include "site/TSiteGive.h"
#include "site/TSiteJournal.h"
#include "site/TSiteListWriter.h"
#include "site/TSiteQuery.h"
#include "site/TSiteRevoke.h"
#include "site/TSiteStatus.h"
#include "sync/TKeyTables.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
QTableWidget* table(const QString& name, const QStringList& headers, QWidget* parent) {
    auto* grid = new QTableWidget(0, int(headers.size()), parent);
    grid->setObjectName(name);
    grid->setHorizontalHeaderLabels(headers);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setStretchLastSection(true);
    return grid;
}

void fill(QTableWidget* grid, const QList<QStringList>& rows) {
    grid->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row)
        for (int column = 0; column < rows[row].size(); ++column)
            grid->setItem(row, column, new QTableWidgetItem(rows[row][column]));
    grid->resizeColumnsToContents();
}

QString timeText(const QDateTime& time) {
    return TLocaleText::DateTime(time);
}

QPushButton* button(const QString& name, const QString& caption, QWidget* parent) {
    auto* push = new QPushButton(caption, parent);
    push->setObjectName(name);
    return push;
}
} // namespace

TSiteFrm::TSiteFrm(TMessageBoxes& boxes, std::function<void(const QString&)> openList, QWidget* parent)
    : QWidget(parent, Qt::Window), boxes(boxes), openList(std::move(openList)) {
    setObjectName(QStringLiteral("SiteFrm"));
    setWindowTitle(tr("Site"));
    SiteLbl = new QLabel(this);
    SiteLbl->setObjectName(QStringLiteral("SiteLbl"));
    DoorTable = table(QStringLiteral("DoorTable"),
                      {tr("Door"), tr("Location"), tr("Serial number"), tr("Key list"), tr("Last read"),
                       tr("Last written"), tr("Status")},
                      this);
    SearchEdit = new QLineEdit(this);
    SearchEdit->setObjectName(QStringLiteral("SearchEdit"));
    SearchEdit->setPlaceholderText(tr("Key code in any form, or note text"));
    FindTable = table(
        QStringLiteral("FindTable"),
        {tr("Door"), tr("Where"), tr("Table"), QStringLiteral("#"), tr("Key code"), tr("Active"), tr("Note")},
        this);
    JournalTable = table(QStringLiteral("JournalTable"),
                         {tr("Time"), tr("User"), tr("List or controller"), tr("Table"), QStringLiteral("#"),
                          tr("Old"), tr("New")},
                         this);
    auto* findBtn = button(QStringLiteral("FindBtn"), tr("Find"), this);
    auto* revokeBtn = button(QStringLiteral("RevokeBtn"), tr("Revoke key everywhere..."), this);
    auto* giveBtn = button(QStringLiteral("GiveBtn"), tr("Give key to doors..."), this);
    OpenListBtn = button(QStringLiteral("OpenListBtn"), tr("Open list"), this);
    DoorRoundBtn = button(QStringLiteral("DoorRoundBtn"), tr("Door round..."), this);
    DoorRoundBtn->setEnabled(false);
    auto* doorButtons = new QHBoxLayout;
    doorButtons->addWidget(OpenListBtn);
    doorButtons->addWidget(DoorRoundBtn);
    doorButtons->addStretch();
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(SearchEdit, 1);
    searchRow->addWidget(findBtn);
    searchRow->addWidget(revokeBtn);
    searchRow->addWidget(giveBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SiteLbl);
    layout->addWidget(DoorTable, 3);
    layout->addLayout(doorButtons);
    layout->addLayout(searchRow);
    layout->addWidget(FindTable, 2);
    layout->addWidget(new QLabel(tr("Journal"), this));
    layout->addWidget(JournalTable, 2);
    connectHandler(findBtn, &QPushButton::clicked, this, [this] { FindBtnClick(); });
    connectHandler(SearchEdit, &QLineEdit::returnPressed, this, [this] { FindBtnClick(); });
    connectHandler(revokeBtn, &QPushButton::clicked, this, [this] { RevokeBtnClick(); });
    connectHandler(giveBtn, &QPushButton::clicked, this, [this] { GiveBtnClick(); });
    connectHandler(OpenListBtn, &QPushButton::clicked, this, [this] { OpenListBtnClick(); });
    connectHandler(DoorRoundBtn, &QPushButton::clicked, this, [this] { DoorRoundBtnClick(); });
    resize(900, 640);
    NameForAccessibility();
}

TSiteFrm::~TSiteFrm() = default;

void TSiteFrm::OpenSite(const QString& folder) {
    site = std::make_unique<TSite>(TSite::Load(folder));
    Reload();
}

void TSiteFrm::Reload() {
    if (!site)
        return;
    site->Reload();
    SiteLbl->setText(QStringLiteral("%1 (%2)").arg(site->Name(), QDir::toNativeSeparators(site->Folder())));
    ShowStatus();
    ShowJournal();
}

void TSiteFrm::ShowStatus() {
    QList<QStringList> rows;
    for (const TSiteStatus& status : TSiteStatus::Of(*site))
        rows.append({status.door.Shown(), status.door.location, status.door.serial, status.door.list,
                     timeText(status.lastRead), timeText(status.lastWritten), status.Text()});
    fill(DoorTable, rows);
}

void TSiteFrm::ShowJournal() {
    QList<QStringList> rows;
    for (const TSiteJournal::TEntry& entry : TSiteJournal(site->Folder()).Read())
        rows.prepend({timeText(entry.time), entry.user, entry.name, TKeyTables::TableName(entry.table),
                      QString::number(entry.number), entry.before, entry.after});
    fill(JournalTable, rows);
}

void TSiteFrm::FindBtnClick() {
    if (!site || SearchEdit->text().trimmed().isEmpty())
        return;
    QList<QStringList> rows;
    QStringList unreadable;
    for (const TSiteFinder::THit& hit :
         TSiteFinder::Find(*site, TSiteQuery::Parse(SearchEdit->text()), &unreadable))
        rows.append({hit.door.Shown(),
                     hit.inSnapshot ? tr("controller, %1").arg(timeText(hit.snapshotTime)) : tr("key list"),
                     TKeyTables::TableName(hit.table), QString::number(hit.number), hit.code,
                     hit.active ? (hit.toVisit ? tr("yes: visit the door") : tr("yes")) : tr("no"),
                     hit.note});
    fill(FindTable, rows);
    if (!unreadable.isEmpty())
        boxes.warning(tr("Not searched:\r%1").arg(unreadable.join(QLatin1Char('\r'))));
}

QString TSiteFrm::TypedCode() {
    QString error;
    const TSiteQuery query = TSiteQuery::Code(SearchEdit->text(), &error);
    if (query.codes.size() == 1)
        return query.codes.constFirst();
    boxes.error(query.codes.isEmpty()
                    ? tr("Type the key code into the search box first: %1").arg(error)
                    : tr("The code reads two ways (%1 or engraved %2); type it with its family byte.")
                          .arg(query.codes[0], query.codes[1]));
    return QString();
}

void TSiteFrm::CarryOut(const QString& what, QList<TSiteKeyChange> plan) {
    QStringList lines;
    for (const TSiteKeyChange& change : plan)
        for (const TSiteKeyChange::TSlot& slot : change.edits)
            lines << QStringLiteral("%1: %2 #%3")
                         .arg(change.door.Shown(), TKeyTables::TableName(slot.table))
                         .arg(slot.Number());
    if (lines.isEmpty()) {
        boxes.information(tr("No key list of the site needs a change."));
        return;
    }
    if (!boxes.confirmOkCancel(tr("%1 in these key lists?\r%2").arg(what, lines.join(QLatin1Char('\r')))))
        return;
    TSiteJournal journal(site->Folder());
    TSiteListWriter::Apply(*site, plan, journal, openListHook);
    QStringList failed;
    QStringList inWindow;
    for (const TSiteKeyChange& change : plan) {
        if (change.outcome == TSiteKeyChange::Outcome::Failed)
            failed << change.reason;
        else if (change.outcome == TSiteKeyChange::Outcome::InOpenList)
            inWindow << QStringLiteral("%1: %2").arg(change.door.Shown(), change.reason);
    }
    Reload();
    FindBtnClick();
    if (!inWindow.isEmpty())
        boxes.information(inWindow.join(QLatin1Char('\r')));
    if (!failed.isEmpty())
        boxes.error(failed.join(QLatin1Char('\r')));
}

void TSiteFrm::RevokeBtnClick() {
    const QString code = site ? TypedCode() : QString();
    if (!code.isEmpty())
        CarryOut(tr("Revoke key %1").arg(code), TSiteRevoke::Plan(*site, code));
}

void TSiteFrm::GiveBtnClick() {
    const QString code = site ? TypedCode() : QString();
    if (code.isEmpty())
        return;
    QList<TSiteGive::TTarget> targets;
    for (const QModelIndex& row : DoorTable->selectionModel()->selectedRows())
        targets.append({site->Doors().value(row.row()), TKeyTransfer::Table::Slave, -1});
    if (targets.isEmpty()) {
        boxes.error(tr("Select the doors in the door table first."));
        return;
    }
    CarryOut(tr("Give key %1").arg(code), TSiteGive::Plan(*site, code, QString(), targets));
}

void TSiteFrm::OpenListBtnClick() {
    const int row = DoorTable->currentRow();
    if (site && row >= 0 && row < site->Doors().size())
        openList(site->ListPath(site->Doors()[row]));
}

void TSiteFrm::SetRoundHost(TSiteRoundHost* host) {
    roundHost = host;
    DoorRoundBtn->setEnabled(host != nullptr);
}

void TSiteFrm::DoorRoundBtnClick() {
    if (!site || !roundHost)
        return;
    const int row = DoorTable->currentRow();
    const bool chosen = row >= 0 && row < site->Doors().size() &&
                        DoorTable->selectionModel()->isRowSelected(row, QModelIndex());
    TSiteDoorRound::Run(*site, *roundHost, boxes, chosen ? &site->Doors()[row] : nullptr);
    Reload();
}

void TSiteFrm::NameForAccessibility() {
    TAccessibility::Describe({
        {SiteLbl, tr("Site"), tr("The site's name and folder")},
        {DoorTable, tr("Doors"), tr("Every door of the site with its controller, key list and status")},
        {OpenListBtn, tr("Open list"), tr("Open the selected door's key list in the main window")},
        {DoorRoundBtn, tr("Door round..."),
         tr("Recognise the controller on the port, open its door's list and write what differs")},
        {SearchEdit, tr("Find key"), tr("Key code in any form, or note text")},
        {FindTable, tr("Found keys"),
         tr("Where the key was found: door, table, slot, code, active and note")},
        {JournalTable, tr("Journal"), tr("Every change made at this site")},
        {findChild<QPushButton*>(QStringLiteral("FindBtn")), tr("Find"), tr("Find the key at every door")},
        {findChild<QPushButton*>(QStringLiteral("RevokeBtn")), tr("Revoke key everywhere..."),
         tr("Deactivate the found key at every door")},
        {findChild<QPushButton*>(QStringLiteral("GiveBtn")), tr("Give key to doors..."),
         tr("Give the key to the doors you choose")},
    });
    // Tab leaves a table for the next control; the arrow keys move inside it.
    for (QTableWidget* table : {DoorTable, FindTable, JournalTable})
        table->setTabKeyNavigation(false);
}
