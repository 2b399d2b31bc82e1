#include "site/TSiteOpenList.h"

#include "dbf/TDbfTable.h"
#include "keylist/TDbfKeyView.h"
#include "keylist/TKeyListStore.h"
#include "site/TSiteListWriter.h"
#include "sync/TKeyTables.h"

#include <stdexcept>

namespace {
struct TTarget {
    TDbfKeyView* view;
    int recNo;
    TKeySlot after;
};

QString refusalText(const TSiteKeyChange::TSlot& slot, const QString& why) {
    return TSiteOpenList::tr("%1 #%2 %3; nothing was changed in this list")
        .arg(TKeyTables::TableShown(slot.table))
        .arg(slot.Number())
        .arg(why);
}

std::runtime_error refusal(const TSiteKeyChange::TSlot& slot, const QString& why) {
    return std::runtime_error(refusalText(slot, why).toStdString());
}
// Puts both views back on the records they stood on, whatever happens in between.
class TPlaceKeeper {
public:
    TPlaceKeeper(TDbfKeyView& master, TDbfKeyView& slave)
        : master(master), slave(slave), masterAt(master.CurrentRecNo()), slaveAt(slave.CurrentRecNo()) {}
    ~TPlaceKeeper() {
        master.GoToRecNo(masterAt);
        slave.GoToRecNo(slaveAt);
    }
    TPlaceKeeper(const TPlaceKeeper&) = delete;
    TPlaceKeeper& operator=(const TPlaceKeeper&) = delete;

private:
    TDbfKeyView& master;
    TDbfKeyView& slave;
    int masterAt;
    int slaveAt;
};
} // namespace

void TSiteOpenList::Apply(TKeyListStore& store, const QList<TSiteKeyChange::TSlot>& edits) {
    if (!store.IsOpen())
        throw std::runtime_error(TSiteOpenList::tr("No key list is open in the window.").toStdString());
    TDbfKeyView master(store.MKeysTable());
    TDbfKeyView slave(store.SKeysTable());
    const TPlaceKeeper keeper(master, slave);
    const QList<int> masterRecords = master.SlotRecords();
    const QList<int> slaveRecords = slave.SlotRecords();
    QList<TTarget> targets;
    // Every slot is checked before the first is changed, so a refusal leaves the list as it was.
    for (const TSiteKeyChange::TSlot& slot : edits) {
        const bool isMaster = slot.table == TKeyTransfer::Table::Master;
        const QList<int>& records = isMaster ? masterRecords : slaveRecords;
        if (slot.slot < 0 || slot.slot >= records.size())
            throw refusal(slot, TSiteOpenList::tr("is not in the open list"));
        TDbfKeyView* view = isMaster ? &master : &slave;
        TKeySlot held = view->Load(records[slot.slot]);
        held.keyCode = held.keyCode.trimmed();
        if (!TSiteListWriter::SameSlot(held, slot.before))
            throw refusal(slot, TSiteOpenList::tr("was changed in the window"));
        held.keyCode = TSiteListWriter::StoredCode(slot.after);
        held.active = slot.after.active;
        held.memo = slot.after.memo;
        targets.append({view, held.recNo, held});
    }
    for (const TTarget& target : targets)
        target.view->Store(target.recNo, target.after);
}
