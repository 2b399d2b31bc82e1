#pragma once

#include "keys/TKeyView.h"

#include <QVector>

// One key table held in memory, one record per slot (record n is slot n - 1). A key transfer reads
// into it like into a key-list view; a slot counts as known only once something was stored in it,
// so that a slot whose read failed is never taken for an empty one.
class TMemoryKeyView : public TKeyView {
public:
    TMemoryKeyView(const QString& keyType, int slotCount);

    bool IsOpen() const override { return true; }
    int RecCount() const override { return int(keys.size()); }
    QList<int> SlotRecords() override;
    TKeySlot Load(int recNo) override;
    void Store(int recNo, const TKeySlot& key) override;
    int CurrentRecNo() const override { return current; }
    void GoToRecNo(int recNo) override { current = recNo; }
    void First() override { current = 1; }

    QString KeyType() const { return keyType; }
    int SlotCount() const { return int(keys.size()); }
    const TKeySlot& Slot(int slot) const { return keys.at(slot); }
    // Stores the key as the slot's content; the slot becomes known.
    void SetSlot(int slot, const TKeySlot& key);
    bool IsKnown(int slot) const { return known.at(slot); }
    void Forget(int slot) { known[slot] = false; }
    bool AllKnown() const;
    QList<int> UnknownSlots() const;

    // An empty slot of this table as a key list holds it.
    TKeySlot EmptySlot(int slot) const;

private:
    QString keyType;
    QVector<TKeySlot> keys;
    QVector<bool> known;
    int current = 1;
};
