#include "sync/TRecordingKeyView.h"

#include "controller/TKeyTransfer.h"
#include "sync/TMemoryKeyView.h"

void TRecordingKeyView::Store(int recNo, const TKeySlot& key) {
    inner.Store(recNo, key);
    // A read's key carries the slot it came from as its KEYID; a slot it could not read stays
    // unknown.
    if (TKeyTransfer::IsUnread(key))
        return;
    if (key.keyId >= 0 && key.keyId < recorded.SlotCount())
        recorded.SetSlot(key.keyId, key);
}
