#include "site/TSiteFinder.h"

#include "site/TSite.h"
#include "site/TSiteDoorData.h"
#include "site/TSiteQuery.h"
#include "sync/TKeyDifference.h"

namespace {
bool matches(const TKeySlot& key, const TSiteQuery& query) {
    return query.IsCode() ? query.MatchesCode(TKeyDifference::NormalCode(key)) : query.MatchesNote(key.memo);
}

bool listHoldsActive(const TKeyTables& list, const QString& code) {
    for (TKeyTransfer::Table table : TKeyTables::Tables) {
        const TMemoryKeyView& view = list.View(table);
        for (int slot = 0; slot < view.SlotCount(); ++slot)
            if (view.Slot(slot).active && TKeyDifference::NormalCode(view.Slot(slot)) == code)
                return true;
    }
    return false;
}

void collect(const TSiteDoorData& data, const TKeyTables& tables, bool inSnapshot, const TSiteQuery& query,
             QList<TSiteFinder::THit>& hits) {
    for (TKeyTransfer::Table table : TKeyTables::Tables) {
        const TMemoryKeyView& view = tables.View(table);
        for (int slot = 0; slot < view.SlotCount(); ++slot) {
            const TKeySlot& key = view.Slot(slot);
            if (!view.IsKnown(slot) || !matches(key, query))
                continue;
            TSiteFinder::THit hit;
            hit.door = data.door;
            hit.inSnapshot = inSnapshot;
            hit.snapshotTime = inSnapshot ? data.latest.newest.time : QDateTime();
            hit.table = table;
            hit.number = slot + 1;
            hit.code = TKeyDifference::NormalCode(key);
            hit.active = key.active;
            hit.note = TKeyDifference::NormalNote(key);
            // A list passed over unparsed (no error) cannot hold the key.
            hit.toVisit = inSnapshot && key.active &&
                          (data.list ? !listHoldsActive(*data.list, hit.code) : data.listError.isEmpty());
            hits.append(hit);
        }
    }
}
} // namespace

QList<TSiteFinder::THit> TSiteFinder::Find(const TSiteDoorData& data, const TSiteQuery& query) {
    QList<THit> hits;
    if (data.list)
        collect(data, *data.list, false, query, hits);
    if (data.snapshot)
        collect(data, *data.snapshot, true, query, hits);
    return hits;
}

QList<TSiteFinder::THit> TSiteFinder::Find(const TSite& site, const TSiteQuery& query,
                                           QStringList* unreadable) {
    const TSnapshotStore history = site.History();
    const auto mayMatch = [&query](const QByteArray& bytes) { return query.MayMatch(bytes); };
    QList<THit> hits;
    for (const TSiteDoor& door : site.Doors()) {
        const TSiteDoorData data = TSiteDoorData::Read(site, door, history, mayMatch);
        // A list that could not be searched is never taken for one without the key.
        for (const QString& error : {data.listError, data.snapshotError})
            if (unreadable && !error.isEmpty())
                unreadable->append(QStringLiteral("%1: %2").arg(door.list, error));
        hits += Find(data, query);
    }
    return hits;
}

QStringList TSiteFinder::DoorsToVisit(const QList<THit>& hits) {
    QStringList doors;
    for (const THit& hit : hits)
        if (hit.toVisit && !doors.contains(hit.door.Shown()))
            doors.append(hit.door.Shown());
    return doors;
}
