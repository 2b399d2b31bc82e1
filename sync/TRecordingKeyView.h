#pragma once

#include "keys/TKeyView.h"

class TMemoryKeyView;

// A key-list view that passes everything to the view it wraps and keeps a copy of every slot a
// transfer stores in it: after a read, the slots it holds are exactly the slots that were read.
class TRecordingKeyView : public TKeyView {
public:
    TRecordingKeyView(TKeyView& inner, TMemoryKeyView& recorded) : inner(inner), recorded(recorded) {}

    bool IsOpen() const override { return inner.IsOpen(); }
    int RecCount() const override { return inner.RecCount(); }
    QList<int> SlotRecords() override { return inner.SlotRecords(); }
    TKeySlot Load(int recNo) override { return inner.Load(recNo); }
    void Store(int recNo, const TKeySlot& key) override;
    int CurrentRecNo() const override { return inner.CurrentRecNo(); }
    void GoToRecNo(int recNo) override { inner.GoToRecNo(recNo); }
    void First() override { inner.First(); }

private:
    TKeyView& inner;
    TMemoryKeyView& recorded;
};
