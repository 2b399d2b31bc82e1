#include "sync/TMemoryKeyView.h"

#include "keylist/TKeyListSchema.h"

TMemoryKeyView::TMemoryKeyView(const QString& keyType, int slotCount)
    : keyType(keyType), keys(slotCount), known(slotCount, false) {
    for (int slot = 0; slot < slotCount; ++slot)
        keys[slot] = EmptySlot(slot);
}

TKeySlot TMemoryKeyView::EmptySlot(int slot) const {
    TKeySlot key;
    key.recId = slot;
    key.keyId = slot;
    key.keyType = keyType;
    key.keyCode = TKeySlot::EmptyCode;
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
    SetSlot(recNo - 1, key);
}

void TMemoryKeyView::SetSlot(int slot, const TKeySlot& key) {
    // A slot a read could not get is unknown here, never a key called "<UNREAD>".
    if (key.keyCode == QLatin1String(TKeyListSchema::UnreadCode)) {
        Forget(slot);
        return;
    }
    keys[slot] = key;
    // The slot number is the record's identity here, whatever the reply's key number said.
    keys[slot].recId = slot;
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
