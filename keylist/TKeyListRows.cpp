#include "keylist/TKeyListRows.h"

#include "dbf/TDbfTable.h"
#include "keylist/TKeyListSchema.h"
#include "keys/TKeyTable.h"

#include <algorithm>

namespace {
int fieldIndex(TDbfTable& view, const char* name) {
    return view.FieldByName(QString::fromLatin1(name))->Index();
}
} // namespace

QVector<TKeySlot> TKeyListRows::Read(TDbfTable& view) {
    const int recId = fieldIndex(view, TKeyListSchema::RecIdField);
    const int keyId = fieldIndex(view, TKeyListSchema::KeyIdField);
    const int code = fieldIndex(view, TKeyListSchema::KeyCodeField);
    const int type = fieldIndex(view, TKeyListSchema::KeyTypeField);
    const int status = fieldIndex(view, TKeyListSchema::KeyStatusField);
    const int memo = fieldIndex(view, TKeyListSchema::KeyMemoField);
    QVector<TKeySlot> records;
    const int rows = view.RowCount();
    for (int row = 0; row < rows; ++row) {
        const QString kind = view.RowText(row, type).trimmed();
        if (kind != QLatin1String(TKeyTable::MasterType) && kind != QLatin1String(TKeyTable::SlaveType))
            continue;
        TKeySlot record;
        record.keyType = kind;
        record.recId = view.RowValue(row, recId).toInt();
        record.keyId = view.RowValue(row, keyId).toInt();
        record.keyCode = view.RowText(row, code).trimmed();
        record.active = view.RowValue(row, status).toBool();
        record.memo = view.RowText(row, memo);
        while (record.memo.endsWith(QLatin1Char(' ')))
            record.memo.chop(1);
        record.recNo = view.RowRecNo(row);
        records << record;
    }
    std::stable_sort(records.begin(), records.end(), [](const TKeySlot& a, const TKeySlot& b) {
        if (a.keyType != b.keyType)
            return a.keyType == QLatin1String(TKeyTable::MasterType);
        return a.keyId < b.keyId;
    });
    return records;
}

void TKeyListRows::Write(TDbfTable& view, const TKeySlot& record) {
    view.SetRecNo(record.recNo);
    view.Edit();
    view.FieldByName(QString::fromLatin1(TKeyListSchema::KeyCodeField))->SetAsString(record.keyCode);
    view.FieldByName(QString::fromLatin1(TKeyListSchema::KeyStatusField))->SetAsBoolean(record.active);
    view.FieldByName(QString::fromLatin1(TKeyListSchema::KeyMemoField))->SetAsString(record.memo);
    view.Post();
}

QString TKeyListRows::Place(const TKeySlot& record) {
    return (record.keyType == QLatin1String(TKeyTable::MasterType) ? tr("master key #%1")
                                                                   : tr("slave key #%1"))
        .arg(record.recId);
}
