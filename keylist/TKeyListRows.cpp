#include "keylist/TKeyListRows.h"

#include "dbf/TDbfTable.h"
#include "keylist/TKeyListSchema.h"

#include <algorithm>

namespace {
int fieldIndex(TDbfTable& view, const char* name) {
    return view.FieldByName(QString::fromLatin1(name))->Index();
}
} // namespace

QVector<TKeyRecord> TKeyListRows::Read(TDbfTable& view) {
    const int recId = fieldIndex(view, TKeyListSchema::RecIdField);
    const int keyId = fieldIndex(view, TKeyListSchema::KeyIdField);
    const int code = fieldIndex(view, TKeyListSchema::KeyCodeField);
    const int type = fieldIndex(view, TKeyListSchema::KeyTypeField);
    const int status = fieldIndex(view, TKeyListSchema::KeyStatusField);
    const int memo = fieldIndex(view, TKeyListSchema::KeyMemoField);
    QVector<TKeyRecord> records;
    const int rows = view.RowCount();
    for (int row = 0; row < rows; ++row) {
        const QString kind = view.RowText(row, type).trimmed();
        if (kind != QLatin1String("M") && kind != QLatin1String("S"))
            continue;
        TKeyRecord record;
        record.type = kind[0];
        record.recId = view.RowValue(row, recId).toInt();
        record.slot = view.RowValue(row, keyId).toInt();
        record.code = view.RowText(row, code).trimmed();
        record.active = view.RowValue(row, status).toBool();
        record.note = view.RowText(row, memo);
        while (record.note.endsWith(QLatin1Char(' ')))
            record.note.chop(1);
        record.recNo = view.RowRecNo(row);
        records << record;
    }
    std::stable_sort(records.begin(), records.end(), [](const TKeyRecord& a, const TKeyRecord& b) {
        if (a.type != b.type)
            return a.type == QLatin1Char('M');
        return a.slot < b.slot;
    });
    return records;
}

void TKeyListRows::Write(TDbfTable& view, const TKeyRecord& record) {
    view.SetRecNo(record.recNo);
    view.Edit();
    view.FieldByName(QString::fromLatin1(TKeyListSchema::KeyCodeField))->SetAsString(record.code);
    view.FieldByName(QString::fromLatin1(TKeyListSchema::KeyStatusField))->SetAsBoolean(record.active);
    view.FieldByName(QString::fromLatin1(TKeyListSchema::KeyMemoField))->SetAsString(record.note);
    view.Post();
}

QString TKeyListRows::Place(const TKeyRecord& record) {
    return QStringLiteral("%1 key #%2")
        .arg(record.type == QLatin1Char('M') ? QStringLiteral("master") : QStringLiteral("slave"))
        .arg(record.recId);
}
