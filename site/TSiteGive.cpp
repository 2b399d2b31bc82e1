#include "site/TSiteGive.h"

#include "keys/TKeyPlaceholder.h"
#include "site/TSite.h"
#include "site/TSiteDoorData.h"
#include "sync/TKeyDifference.h"

namespace {
using Table = TKeyTransfer::Table;

struct TPlace {
    Table table = Table::Slave;
    int slot = -1;
};

// Where the list already has this key, active or not.
TPlace holder(const TKeyTables& list, const QString& code, bool active) {
    for (Table table : TKeyTables::Tables) {
        const TMemoryKeyView& view = list.View(table);
        for (int slot = 0; slot < view.SlotCount(); ++slot)
            if (view.Slot(slot).active == active && TKeyDifference::NormalCode(view.Slot(slot)) == code)
                return {table, slot};
    }
    return {};
}

TPlace firstFree(const TKeyTables& list) {
    const TMemoryKeyView& view = list.slave;
    for (int slot = 0; slot < view.SlotCount(); ++slot)
        if (TSiteGive::IsFree(view.Slot(slot)))
            return {Table::Slave, slot};
    return {};
}

QString placeText(const TPlace& place) {
    return QStringLiteral("%1 #%2").arg(TKeyTables::TableShown(place.table)).arg(place.slot + 1);
}

// Where the key goes in this list; empty reason when it can go there.
QString choosePlace(const TKeyTables& list, const TSiteGive::TTarget& target, const QString& code,
                    TPlace& place, bool& held) {
    const TPlace active = holder(list, code, true);
    held = active.slot >= 0;
    if (held)
        return TSiteGive::tr("already holds the key at %1").arg(placeText(active));
    if (target.slot >= 0) {
        place = {target.table, target.slot};
        if (target.slot >= list.View(target.table).SlotCount())
            return TSiteGive::tr("has no %1").arg(placeText(place));
        const TKeySlot& key = list.View(place.table).Slot(place.slot);
        if (key.keyCode == QLatin1String(TKeyPlaceholder::UnreadCode))
            return TSiteGive::tr("%1 was not read from the controller; read it first").arg(placeText(place));
        return key.active ? TSiteGive::tr("%1 holds another key").arg(placeText(place)) : QString();
    }
    place = holder(list, code, false);
    if (place.slot < 0)
        place = firstFree(list);
    return place.slot < 0 ? TSiteGive::tr("has no free slave slot") : QString();
}
} // namespace

bool TSiteGive::IsFree(const TKeySlot& key) {
    return !key.active && key.keyCode != QLatin1String(TKeyPlaceholder::UnreadCode) &&
           TKeyDifference::NormalCode(key).isEmpty();
}

QList<TSiteKeyChange> TSiteGive::Plan(const TSite& site, const QString& code, const QString& note,
                                      const QList<TTarget>& targets) {
    QList<TSiteKeyChange> plan;
    for (const TTarget& target : targets) {
        TSiteKeyChange change;
        change.door = target.door;
        const TSiteDoorData data = TSiteDoorData::ReadList(site, target.door);
        TPlace place;
        bool held = false;
        const QString refused =
            data.list ? choosePlace(*data.list, target, code, place, held) : data.listError;
        if (!refused.isEmpty()) {
            change.outcome = held ? TSiteKeyChange::Outcome::Skipped : TSiteKeyChange::Outcome::Failed;
            change.reason = refused;
            plan.append(change);
            continue;
        }
        const TKeySlot before = data.list->View(place.table).Slot(place.slot);
        TKeySlot after = before;
        after.keyCode = code;
        after.active = true;
        after.memo = note.isNull() && TKeyDifference::NormalCode(before) == code ? before.memo : note;
        change.edits.append({place.table, place.slot, before, after});
        plan.append(change);
    }
    return plan;
}
