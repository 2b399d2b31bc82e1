#include "site/TSiteRevoke.h"

#include "site/TSite.h"
#include "site/TSiteDoorData.h"
#include "sync/TKeyDifference.h"

QList<TSiteKeyChange> TSiteRevoke::Plan(const TSite& site, const QString& code) {
    QList<TSiteKeyChange> plan;
    for (const TSiteDoor& door : site.Doors()) {
        TSiteKeyChange change;
        change.door = door;
        const TSiteDoorData data = TSiteDoorData::ReadList(site, door);
        if (!data.list) {
            change.outcome = TSiteKeyChange::Outcome::Failed;
            change.reason = data.listError;
            plan.append(change);
            continue;
        }
        for (TKeyTransfer::Table table : TKeyTables::Tables) {
            const TMemoryKeyView& view = data.list->View(table);
            for (int slot = 0; slot < view.SlotCount(); ++slot) {
                const TKeySlot& key = view.Slot(slot);
                if (!key.active || TKeyDifference::NormalCode(key) != code)
                    continue;
                TKeySlot after = key;
                after.active = false;
                change.edits.append({table, slot, key, after});
            }
        }
        if (change.Changes())
            plan.append(change);
    }
    return plan;
}
