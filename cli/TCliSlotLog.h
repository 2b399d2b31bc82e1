#pragma once

#include "controller/TKeyView.h"

#include <QList>
#include <QSet>

// A key-list view that notes which records a read stored, so that the slots whose attempts all
// failed can be named afterwards.
class TCliSlotLog : public TKeyView {
public:
    explicit TCliSlotLog(TKeyView& view) : view(view) {}

    // The slot numbers (0-based) among the first count slots that no read stored.
    QList<int> Missing(int count);

    bool IsOpen() const override { return view.IsOpen(); }
    int RecCount() const override { return view.RecCount(); }
    QList<int> SlotRecords() override { return view.SlotRecords(); }
    TKeySlot Load(int recNo) override { return view.Load(recNo); }
    void Store(int recNo, const TKeySlot& key) override;
    int CurrentRecNo() const override { return view.CurrentRecNo(); }
    void GoToRecNo(int recNo) override { view.GoToRecNo(recNo); }
    void First() override { view.First(); }

private:
    TKeyView& view;
    QSet<int> stored;
};
