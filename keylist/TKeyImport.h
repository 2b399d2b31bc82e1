#pragma once

#include "keylist/TKeyCsvReader.h"
#include "keylist/TKeyRecord.h"

#include <QByteArray>
#include <QHash>
#include <QVector>

#include <functional>

class TDbfTable;

// Reading a CSV file into the open key list. Plan works out, without touching the list, which
// slots would change and which rows are refused and why; Apply then makes those changes. Columns
// are found by their header names in any letter case: code/key/keycode, note/memo/name, type,
// slot or "#", active. Rows with a slot (or a "#") fill that slot; rows without fill the next
// empty slot of their type. Rows are refused for a bad code or CRC, a duplicate, a slot that is
// taken or missing, no free slot, or a note that is too long or has characters the list's code
// page cannot hold.
class TKeyImport {
public:
    struct TChange {
        int line = 0;
        TKeyRecord before;
        TKeyRecord after;
    };
    struct TReject {
        int line = 0;
        QString reason;
    };

    QVector<TChange> Changes;
    QVector<TReject> Rejects;
    int Unchanged = 0; // rows that name a slot as it already is

    // current: the list's records as TKeyListRows reads them. A file without a header row naming
    // a code column raises std::runtime_error.
    static TKeyImport Plan(const QByteArray& csv, const QVector<TKeyRecord>& current);
    // The file's bytes; a missing, unreadable or implausibly large file raises std::runtime_error.
    static QByteArray ReadFile(const QString& path);
    // Makes the planned changes in the views; on a failure the changes made so far are undone
    // before the error goes on. The views' current records are kept.
    void Apply(TDbfTable& master, TDbfTable& slave) const;
    // The same through any writer of a record's code, status and note (by its recNo); a failure
    // undoes the changes written before it and goes on.
    void Apply(const std::function<void(const TKeyRecord&)>& write) const;

private:
    enum TColumn { Code, Note, Type, Slot, RecId, Active };
    struct TWanted {
        int line = 0;
        QChar type;
        int slot = -1; // -1: the next empty slot
        int recId = -1;
        TKeyRecord value;
    };

    static QHash<int, int> columns(const QStringList& header);
    // Why the row is refused; empty when it is read.
    static QString readRow(const TKeyCsvReader::TRow& row, const QHash<int, int>& columns, TWanted* wanted);
    void place(const TWanted& wanted, QVector<TKeyRecord>& planned, QHash<int, int>& takenBy);
    static int slotCount(QChar type);
};
