#pragma once

#include "keys/TKeySlot.h"

#include <QList>

// What a key transfer needs of a key-list view. Records are addressed by their record number,
// so that editing a field the view is sorted on cannot move the transfer to another record.
class TKeyView {
public:
    virtual ~TKeyView() = default;

    virtual bool IsOpen() const = 0;
    // Every record of the table file, whatever the view's filter.
    virtual int RecCount() const = 0;
    // The view's record numbers in slot order: by RECID, equal RECIDs by record number.
    virtual QList<int> SlotRecords() = 0;
    virtual TKeySlot Load(int recNo) = 0;
    // Edits the record and stores the key's fields in it.
    virtual void Store(int recNo, const TKeySlot& key) = 0;

    virtual int CurrentRecNo() const = 0;
    virtual void GoToRecNo(int recNo) = 0;
    // The first record in the view's current order.
    virtual void First() = 0;
};
