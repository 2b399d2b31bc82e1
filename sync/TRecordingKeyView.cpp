#include "sync/TRecordingKeyView.h"

#include "controller/TKeyTransfer.h"
#include "sync/TMemoryKeyView.h"

void TRecordingKeyView::Store(int recNo, const TKeySlot& key) {
    inner.Store(recNo, key);
    // A transfer's key carries the slot it came from as its RECID; a slot it could not read
    // carries the record's and stays unknown.
    if (TKeyTransfer::IsUnread(key))
        return;
    if (key.recId >= 0 && key.recId < recorded.SlotCount())
        recorded.SetSlot(key.recId, key);
}
