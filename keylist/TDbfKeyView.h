#pragma once

#include "keys/TKeyView.h"

class TDbfTable;

// A key-list view (MKeysTable or SKeysTable) as the key transfers and sync see it.
class TDbfKeyView : public TKeyView {
public:
    explicit TDbfKeyView(TDbfTable& table) : table(table) {}

    bool IsOpen() const override;
    int RecCount() const override;
    QList<int> SlotRecords() override;
    TKeySlot Load(int recNo) override;
    void Store(int recNo, const TKeySlot& key) override;
    int CurrentRecNo() const override;
    void GoToRecNo(int recNo) override;
    void First() override;

private:
    TDbfTable& table;
};
