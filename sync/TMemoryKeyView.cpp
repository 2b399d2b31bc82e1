#include "sync/TMemoryKeyView.h"

#include "keys/TKeyPlaceholder.h"
TMemoryKeyView::TMemoryKeyView(const QString& keyType, int slotCount)
    : keyType(keyType), keys(slotCount), known(slotCount, false) {
    for (int slot = 0; slot < slotCount; ++slot)
        keys[slot] = EmptySlot(slot);
}

TKeySlot TMemoryKeyView::EmptySlot(int slot) const {
    TKeySlot key;
    key.recId = slot + 1; // "#" as people count the slots
    key.keyId = slot;
    key.keyType = keyType;
    key.keyCode = QLatin1String(TKeyPlaceholder::EmptyCode);
    return key;
}

QList<int> TMemoryKeyView::SlotRecords() {
    QList<int> records;
    for (int recNo = 1; recNo <= SlotCount(); ++recNo)
        records.append(recNo);
    return records;
}

TKeySlot TMemoryKeyView::Load(int recNo) {
    current = recNo;
    return keys.at(recNo - 1);
}

void TMemoryKeyView::Store(int recNo, const TKeySlot& key) {
    current = recNo;
    // What a transfer could not read is unknown here, never a key called "<UNREAD>". (A key list
    // loaded with SetSlot keeps its marks: they are what the list says.)
    if (key.keyCode == QLatin1String(TKeyPlaceholder::UnreadCode)) {
        Forget(recNo - 1);
        return;
    }
    SetSlot(recNo - 1, key);
}

void TMemoryKeyView::SetSlot(int slot, const TKeySlot& key) {
    keys[slot] = key;
    // The slot is the record's identity here, whatever the reply's key number said.
    keys[slot].recId = slot + 1;
    keys[slot].keyId = slot;
    keys[slot].keyType = keyType;
    known[slot] = true;
}

bool TMemoryKeyView::AllKnown() const {
    return !known.contains(false);
}

QList<int> TMemoryKeyView::UnknownSlots() const {
    QList<int> unknown;
    for (int slot = 0; slot < known.size(); ++slot)
        if (!known[slot])
            unknown.append(slot);
    return unknown;
}
