#include "cli/TCliSlotLog.h"

void TCliSlotLog::Store(int recNo, const TKeySlot& key) {
    view.Store(recNo, key);
    stored.insert(recNo);
}

QList<int> TCliSlotLog::Missing(int count) {
    const QList<int> records = view.SlotRecords();
    QList<int> missing;
    for (int slot = 0; slot < count; ++slot) {
        if (slot >= records.size() || !stored.contains(records[slot]))
            missing.append(slot);
    }
    return missing;
}
