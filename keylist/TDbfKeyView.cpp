#include "keylist/TDbfKeyView.h"

#include "dbf/TDbfField.h"
#include "dbf/TDbfTable.h"
#include "keylist/TKeyListSchema.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {
const QString RecIdField = QLatin1String(TKeyListSchema::RecIdField);
const QString KeyIdField = QLatin1String(TKeyListSchema::KeyIdField);
const QString KeyTypeField = QLatin1String(TKeyListSchema::KeyTypeField);
const QString KeyStatusField = QLatin1String(TKeyListSchema::KeyStatusField);
const QString KeyCodeField = QLatin1String(TKeyListSchema::KeyCodeField);
const QString KeyMemoField = QLatin1String(TKeyListSchema::KeyMemoField);
} // namespace

bool TDbfKeyView::IsOpen() const {
    return table.Active();
}

int TDbfKeyView::RecCount() const {
    return table.RecCount();
}

QList<int> TDbfKeyView::SlotRecords() {
    // Rows are read without moving the view; a pending edit ends first so its values count.
    if (table.State() == dsEdit || table.State() == dsInsert)
        table.Post();
    const int recIdIndex = table.FieldByName(RecIdField)->Index();
    std::vector<std::pair<int, int>> rows; // RECID, record number
    const int count = table.RowCount();
    rows.reserve(count);
    for (int row = 0; row < count; ++row)
        rows.emplace_back(table.RowValue(row, recIdIndex).toInt(), table.RowRecNo(row));
    std::sort(rows.begin(), rows.end());
    QList<int> records;
    for (const auto& row : rows)
        records.append(row.second);
    return records;
}

TKeySlot TDbfKeyView::Load(int recNo) {
    table.SetRecNo(recNo);
    TKeySlot key;
    key.recId = table.FieldByName(RecIdField)->AsInteger();
    key.keyId = table.FieldByName(KeyIdField)->AsInteger();
    key.keyType = table.FieldByName(KeyTypeField)->AsString();
    key.active = table.FieldByName(KeyStatusField)->AsBoolean();
    key.keyCode = table.FieldByName(KeyCodeField)->AsString();
    key.memo = table.FieldByName(KeyMemoField)->AsString();
    key.recNo = recNo;
    return key;
}

void TDbfKeyView::Store(int recNo, const TKeySlot& key) {
    table.SetRecNo(recNo);
    table.Edit();
    table.FieldByName(RecIdField)->SetAsInteger(key.recId);
    table.FieldByName(KeyIdField)->SetAsInteger(key.keyId);
    table.FieldByName(KeyTypeField)->SetAsString(key.keyType);
    table.FieldByName(KeyStatusField)->SetAsBoolean(key.active);
    table.FieldByName(KeyCodeField)->SetAsString(key.keyCode);
    table.FieldByName(KeyMemoField)->SetAsString(key.memo);
    table.Post();
}

int TDbfKeyView::CurrentRecNo() const {
    return table.RecNo();
}

void TDbfKeyView::GoToRecNo(int recNo) {
    table.SetRecNo(recNo);
}

void TDbfKeyView::First() {
    table.First();
}
