#include "sync/TSyncCommands.h"

#include "controller/TControllerHost.h"
#include "controller/TTransferReport.h"
#include "keylist/TKeyListCommands.h"
#include "keylist/TKeyListHost.h"
#include "keylist/TKeyListStore.h"
#include "keys/TKeyView.h"
#include "seams/TMessageBoxes.h"
#include "serial/TSerDataPort.h"
#include "sync/TControllerSync.h"
#include "sync/TKeyTables.h"
#include "sync/TWriteWarnings.h"

#include <stdexcept>

using Table = TKeyTransfer::Table;

QString TSyncCommands::NoKeyListText() {
    return tr("To compare keys with the controller you must first create new or open key list.");
}

QString TSyncCommands::WritingText() {
    return tr("Writing changes to controller...");
}

namespace {
QString readingText(Table table) {
    return table == Table::Master ? TSyncCommands::tr("Reading master keys list from controller...")
                                  : TSyncCommands::tr("Reading slave keys list from controller...");
}

class TFlag {
public:
    explicit TFlag(bool& flag) : flag(flag) { flag = true; }
    ~TFlag() { flag = false; }
    bool& flag;
};

class TProgress {
public:
    TProgress(TControllerHost& host, const QString& text) : host(host) { host.StartProgress(text); }
    ~TProgress() { host.CloseProgress(); }
    TControllerHost& host;
};

// The tables as the controller will hold them: what it holds, with the slots to be written as
// wanted (a slot no write can settle is left as it is).
TKeyTables afterWrite(const TKeyComparison& comparison, const TKeyTables& held) {
    TKeyTables after = held;
    for (const TKeyDifference& row : comparison.Writable())
        after.View(row.table).SetSlot(row.slot, row.wanted);
    return after;
}

bool changes(const TKeyComparison& comparison, Table table) {
    for (const TKeyDifference& row : comparison.Writable())
        if (row.table == table)
            return true;
    return false;
}
} // namespace

TSyncCommands::TSyncCommands(TControllerExchange& exchange, TControllerHost& host, TSyncViewer& viewer,
                             TSnapshotStore& store, TMessageBoxes& boxes)
    : exchange(exchange), host(host), viewer(viewer), store(store), boxes(boxes),
      recorded(std::make_unique<TKeyTables>()) {}

TSyncCommands::~TSyncCommands() = default;

void TSyncCommands::BeginRecording() {
    for (Table table : TKeyTables::Tables)
        for (int slot = 0; slot < recorded->View(table).SlotCount(); ++slot)
            recorded->View(table).Forget(slot);
}

void TSyncCommands::StoreRecordedReads(const QString& serial, const QString& info, const QString& version) {
    recorded->serial = serial;
    recorded->info = info;
    recorded->version = version;
    const QString failed = store.TrySave(*recorded, TSnapshotStore::Kind::Read);
    if (!failed.isEmpty())
        boxes.warning(failed);
    BeginRecording();
}

bool TSyncCommands::ListTables(const QString& listSerial, TKeyTables& wanted) {
    if (!host.MasterView().IsOpen() || !host.SlaveView().IsOpen()) {
        boxes.error(NoKeyListText());
        return false;
    }
    wanted.LoadFrom(host.MasterView(), host.SlaveView());
    wanted.serial = listSerial.trimmed();
    return true;
}

void TSyncCommands::UseIdentity(const QString& version, const QString& serial, const QString& info) {
    knownIdentity = std::make_unique<TKeyTables>();
    knownIdentity->version = version;
    knownIdentity->serial = serial.trimmed();
    knownIdentity->info = info;
}

bool TSyncCommands::ReadIdentity(TKeyTables& held) {
    if (knownIdentity) {
        held.version = knownIdentity->version;
        held.serial = knownIdentity->serial;
        held.info = knownIdentity->info;
        knownIdentity.reset();
        return true;
    }
    TControllerSync sync(exchange, host, host);
    QString error;
    if (!sync.ReadIdentity(held, &error)) {
        boxes.warning(error);
        return false;
    }
    return true;
}

bool TSyncCommands::ConfirmController(const QString& listSerial, const TKeyTables& held) {
    if (!TKeyComparison::SerialsDiffer(listSerial, held.serial))
        return true;
    return viewer.ConfirmOtherController(TKeyComparison::OtherControllerQuestion(listSerial, held.serial),
                                         boxes);
}

bool TSyncCommands::ReadTables(TKeyTables& held, TSnapshotStore::Kind kind) {
    TControllerSync sync(exchange, host, host);
    TTransferReport report(TTransferReport::Direction::Read);
    for (Table table : TKeyTables::Tables) {
        if (report.Stopped()) {
            report.Skip(table);
            continue;
        }
        TProgress progress(host, readingText(table));
        report.Add(table, sync.ReadTable(table, held));
    }
    if (report.Stopped()) {
        // Nothing is compared or written from half a controller; the user learns why.
        boxes.error(report.Text(exchange.port().PortNumber()) + QLatin1Char('\r') +
                    tr("Nothing was written."));
        return false;
    }
    const QString failed = store.TrySave(held, kind);
    if (!failed.isEmpty())
        boxes.warning(failed);
    return true;
}

TSyncCommands::Ending TSyncCommands::Compare(const QString& listSerial) {
    TFlag flag(running);
    TKeyTables wanted, held;
    if (!ListTables(listSerial, wanted))
        return Ending::Refused;
    if (!ReadIdentity(held) || !ReadTables(held, TSnapshotStore::Kind::Read))
        return Ending::NotRead;
    comparison = TKeyComparison(wanted, held);
    viewer.ShowComparison(comparison, TSyncViewer::Purpose::Compare);
    return Ending::Compared;
}

TSyncCommands::Ending TSyncCommands::WriteChanges(const QString& listSerial) {
    TFlag flag(running);
    lastWriteRan = false;
    TKeyTables wanted, held;
    if (!ListTables(listSerial, wanted))
        return Ending::Refused;
    const QString refusal = TKeyTransfer::RefusalText(&host.MasterView(), &host.SlaveView());
    if (!refusal.isEmpty()) {
        boxes.error(refusal);
        return Ending::Refused;
    }
    if (!ReadIdentity(held))
        return Ending::NotRead;
    if (!ConfirmController(wanted.serial, held))
        return Ending::OtherController;
    if (!ReadTables(held, TSnapshotStore::Kind::Read))
        return Ending::NotRead;
    return WritePlan(wanted, held, TSyncViewer::Purpose::Write);
}

TSyncCommands::Ending TSyncCommands::Restore(const TSnapshotStore::TSnapshot& snapshot) {
    TFlag flag(running);
    lastWriteRan = false;
    TKeyTables wanted;
    try {
        wanted = TSnapshotStore::Load(snapshot);
    } catch (const std::exception& e) {
        boxes.error(QString::fromUtf8(e.what()));
        return Ending::Refused;
    }
    TKeyTables held;
    if (!ReadIdentity(held) || !ReadTables(held, TSnapshotStore::Kind::BeforeRestore))
        return Ending::NotRead;
    const TKeyComparison check(wanted, held);
    if (check.SerialMismatch() &&
        !boxes.confirmOkCancel(
            tr("This snapshot was taken from controller %1, but the connected controller is %2.\r"
               "Restore it to this controller anyway (for example to a replacement unit)?")
                .arg(check.wantedSerial, check.heldSerial)))
        return Ending::OtherController;
    return WritePlan(wanted, held, TSyncViewer::Purpose::Restore);
}

TSyncCommands::Ending TSyncCommands::WritePlan(const TKeyTables& wanted, TKeyTables& held,
                                               TSyncViewer::Purpose purpose) {
    lastWriteRan = false;
    comparison = TKeyComparison(wanted, held);
    if (comparison.DifferenceCount() == 0) {
        boxes.information(TControllerSync::TResult().ReportText());
        return Ending::NothingToDo;
    }
    // A slot that a write cannot settle is never written, so it is never reported as a line fault.
    const QString unwritable = comparison.UnwritableText();
    if (comparison.Writable().isEmpty()) {
        boxes.warning(unwritable);
        return Ending::Unwritable;
    }
    if (!viewer.ShowComparison(comparison, purpose))
        return Ending::NotConfirmed;
    if (!TWriteWarnings::Confirm(afterWrite(comparison, held), changes(comparison, Table::Master),
                                 changes(comparison, Table::Slave), boxes))
        return Ending::NotConfirmed;
    TControllerSync::TResult result;
    {
        TProgress progress(host, WritingText());
        TControllerSync sync(exchange, host, host);
        result = sync.Write(comparison.Writable(), wanted, held);
    }
    lastWriteRan = true;
    lastWrite = result;
    QString report = result.ReportText();
    if (!unwritable.isEmpty())
        report += QLatin1Char('\r') + unwritable;
    const QString failed = store.TrySave(held, TSnapshotStore::Kind::AfterWrite);
    if (!failed.isEmpty())
        report += QLatin1Char('\r') + failed;
    if (result.Failed().isEmpty() && failed.isEmpty() && unwritable.isEmpty())
        boxes.information(report);
    else
        boxes.warning(report);
    return Ending::Written;
}

bool TSyncCommands::OpenAsNewList(const TSnapshotStore::TSnapshot& snapshot, TKeyListCommands& commands,
                                  TKeyListStore& store, TKeyListHost& host, TMessageBoxes& boxes) {
    if (!commands.SaveChangesFirst())
        return false;
    TKeyListStore::THeader header;
    try {
        header = store.OpenUserFile(snapshot.path);
    } catch (const std::exception& e) {
        boxes.error(QString::fromUtf8(e.what()));
        return false;
    }
    host.SetControllerFields(header.serial, header.info);
    host.KeyList().SetPath(QString());
    host.KeyList().SetSaveAsPending(false);
    host.KeyList().SetTitle(tr("New key list"));
    host.SetCaption(TKeyListCommands::Caption(host.KeyList().Title()));
    host.SetStatusText(tr("Key list: new key list from the snapshot of %1, %2")
                           .arg(snapshot.serial, snapshot.time.toLocalTime().toString(Qt::ISODate)));
    // Not saved anywhere yet: leaving or opening another list asks first.
    host.KeyList().SetModified(true);
    host.EnableSave(true);
    return true;
}

bool TSyncCommands::ConfirmListWrite(TKeyView& master, TKeyView& slave, bool writesMaster, bool writesSlave,
                                     TMessageBoxes& boxes) {
    if ((!writesMaster && !writesSlave) || !master.IsOpen() || !slave.IsOpen())
        return true;
    TKeyTables after;
    after.LoadFrom(master, slave);
    return TWriteWarnings::Confirm(after, writesMaster, writesSlave, boxes);
}
