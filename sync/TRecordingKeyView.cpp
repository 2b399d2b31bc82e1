#include "sync/TRecordingKeyView.h"

#include "sync/TMemoryKeyView.h"

void TRecordingKeyView::Store(int recNo, const TKeySlot& key) {
    inner.Store(recNo, key);
    // A transfer's key carries the slot it came from as its RECID.
    if (key.recId >= 0 && key.recId < recorded.SlotCount())
        recorded.SetSlot(key.recId, key);
}
