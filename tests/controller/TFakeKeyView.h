#pragma once

#include "keys/TKeyView.h"

#include <QList>

// A key-list view in memory. Record numbers start at 2, as the header record is the file's first.
class TFakeKeyView : public TKeyView {
public:
    // A view of slots records as a new key list holds them: RECID slot + 1, KEYID slot, empty.
    TFakeKeyView(const QString& keyType, int slotCount);

    bool IsOpen() const override { return open; }
    int RecCount() const override { return open ? recCount : 0; }
    QList<int> SlotRecords() override;
    TKeySlot Load(int recNo) override { return records.at(recNo - 2); }
    void Store(int recNo, const TKeySlot& key) override;
    int CurrentRecNo() const override { return current; }
    void GoToRecNo(int recNo) override { current = recNo; }
    void First() override { current = order.isEmpty() ? 0 : order.first(); }

    TKeySlot& slot(int index) { return records[index]; }
    // The view's current order: the grid sorted by key code, descending.
    void sortByKeyCodeDescending();

    bool open = true;
    int recCount;
    int stores = 0;
    int current = 2;
    QList<TKeySlot> records;
    QList<int> order;
};
