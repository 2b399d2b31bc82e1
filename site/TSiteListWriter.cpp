#include "site/TSiteListWriter.h"

#include "dbf/TDbfField.h"
#include "dbf/TDbfTable.h"
#include "keylist/TKeyFileCopy.h"
#include "keylist/TKeyListSchema.h"
#include "keys/TKeyPlaceholder.h"
#include "keys/TKeyTable.h"
#include "seams/TCheckedSave.h"
#include "site/TOpenListHook.h"
#include "site/TSite.h"
#include "site/TSiteJournal.h"
#include "sync/TKeyDifference.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>

#include <algorithm>
#include <stdexcept>

using namespace TKeyListSchema;

namespace {
QString failureText(const QString& path, const QString& why) {
    return TSiteListWriter::tr("Can not save the key list %1: %2").arg(QDir::toNativeSeparators(path), why);
}

std::runtime_error failure(const QString& path, const QString& why) {
    return std::runtime_error(failureText(path, why).toStdString());
}

QString field(TDbfTable& table, const char* name) {
    return table.FieldByName(QLatin1String(name))->AsString();
}

// Record numbers of each table's slots: slot n is the record with the n-th smallest RECID, as
// every reader of key lists takes it.
QMap<QString, QList<int>> slotRecords(TDbfTable& table) {
    struct TRow {
        int recId;
        int recNo;
    };
    QMap<QString, QList<TRow>> rows;
    for (table.First(); !table.Eof(); table.Next()) {
        if (table.RecNo() == 1)
            continue; // the header record
        rows[field(table, KeyTypeField).trimmed()].append(
            {table.FieldByName(QLatin1String(RecIdField))->AsInteger(), table.RecNo()});
    }
    QMap<QString, QList<int>> records;
    for (auto it = rows.begin(); it != rows.end(); ++it) {
        std::stable_sort(it->begin(), it->end(),
                         [](const TRow& a, const TRow& b) { return a.recId < b.recId; });
        for (const TRow& row : *it)
            records[it.key()].append(row.recNo);
    }
    return records;
}

bool sameSlot(TDbfTable& table, const TKeySlot& expected) {
    TKeySlot held;
    held.keyCode = field(table, KeyCodeField).trimmed();
    held.active = table.FieldByName(QLatin1String(KeyStatusField))->AsBoolean();
    held.memo = field(table, KeyMemoField);
    return TSiteListWriter::SameSlot(held, expected);
}

void store(TDbfTable& table, const TKeySlot& key) {
    table.Edit();
    table.FieldByName(QLatin1String(KeyCodeField))->SetAsString(TSiteListWriter::StoredCode(key));
    table.FieldByName(QLatin1String(KeyStatusField))->SetAsBoolean(key.active);
    table.FieldByName(QLatin1String(KeyMemoField))->SetAsString(key.memo);
    table.Post();
}

QList<TSiteJournal::TEntry> journalEntries(const TSiteKeyChange& change) {
    QList<TSiteJournal::TEntry> entries;
    for (const TSiteKeyChange::TSlot& slot : change.edits) {
        TSiteJournal::TEntry entry;
        entry.kind = QStringLiteral("list");
        entry.name = change.door.list;
        entry.table = slot.table;
        entry.number = slot.Number();
        entry.before = TSiteJournal::SlotText(slot.before);
        entry.after = TSiteJournal::SlotText(slot.after);
        entries.append(entry);
    }
    return entries;
}
QString canonical(const QString& path) {
    return path.isEmpty() ? QString() : QFileInfo(path).canonicalFilePath();
}

// The window's copy takes the change; the file and the journal wait for the window's save.
void applyToWindow(TOpenListHook& openList, TSiteKeyChange& change) {
    try {
        openList.ApplyToOpenList(change.edits);
    } catch (const std::exception& e) {
        change.outcome = TSiteKeyChange::Outcome::Failed;
        change.reason = TSiteListWriter::tr("%1 (open in the window): %2")
                            .arg(change.door.Shown(), QString::fromStdString(e.what()));
        return;
    }
    change.outcome = TSiteKeyChange::Outcome::InOpenList;
    change.reason = TSiteListWriter::tr("changed in the open window; save it there");
}
} // namespace

bool TSiteListWriter::SameSlot(const TKeySlot& held, const TKeySlot& expected) {
    return held.active == expected.active &&
           TKeyDifference::NormalCode(held) == TKeyDifference::NormalCode(expected) &&
           TKeyDifference::NormalNote(held) == TKeyDifference::NormalNote(expected);
}

QString TSiteListWriter::StoredCode(const TKeySlot& key) {
    const QString code = TKeyDifference::NormalCode(key);
    return code.isEmpty() ? QString::fromLatin1(TKeyPlaceholder::EmptyCode) : code;
}

void TSiteListWriter::ApplyOne(const TSite& site, const TSiteKeyChange& change) {
    const QString path = site.ListPath(change.door);
    const QString refused = TCheckedSave::CheckTarget(path);
    if (!refused.isEmpty())
        throw failure(path, refused);
    QTemporaryDir work;
    if (!work.isValid())
        throw failure(path, work.errorString());
    const QString copy = work.filePath(QStringLiteral("list.dbf"));
    try {
        TKeyFileCopy::CopyIn(path, copy);
    } catch (const std::exception& e) {
        throw failure(path, QString::fromStdString(e.what()));
    }
    TDbfTable table;
    table.SetTableType(ttDBNDX);
    table.SetOEMTranslate(false);
    table.SetTableName(copy);
    table.Open();
    const QMap<QString, QList<int>> records = slotRecords(table);
    for (const TSiteKeyChange::TSlot& slot : change.edits) {
        const QString type = QLatin1String(slot.table == TKeyTransfer::Table::Master ? TKeyTable::MasterType
                                                                                     : TKeyTable::SlaveType);
        const QList<int> recNos = records.value(type);
        if (slot.slot >= recNos.size())
            throw failure(path, TSiteListWriter::tr("it has no %1 #%2").arg(type).arg(slot.Number()));
        table.SetRecNo(recNos[slot.slot]);
        if (!sameSlot(table, slot.before))
            throw failure(
                path, TSiteListWriter::tr("%1 #%2 was changed meanwhile; nothing was changed in this list")
                          .arg(type)
                          .arg(slot.Number()));
        store(table, slot.after);
    }
    // The engine writes the whole copy beside the list and renames it over it.
    if (table.CopyFile(path) <= 0)
        throw failure(path, table.LastError().isEmpty()
                                ? TSiteListWriter::tr("the table could not be written")
                                : table.LastError());
    table.Close();
}

int TSiteListWriter::Apply(const TSite& site, QList<TSiteKeyChange>& changes, TSiteJournal& journal,
                           TOpenListHook* openList) {
    const QString openPath = openList ? canonical(openList->OpenListPath()) : QString();
    int saved = 0;
    for (TSiteKeyChange& change : changes) {
        if (!change.Changes() || change.outcome != TSiteKeyChange::Outcome::Planned)
            continue;
        if (!openPath.isEmpty() && canonical(site.ListPath(change.door)) == openPath) {
            applyToWindow(*openList, change);
            continue;
        }
        try {
            ApplyOne(site, change);
        } catch (const std::exception& e) {
            change.outcome = TSiteKeyChange::Outcome::Failed;
            change.reason = QString::fromStdString(e.what());
            continue;
        }
        change.outcome = TSiteKeyChange::Outcome::Saved;
        ++saved;
        try {
            journal.Append(journalEntries(change));
        } catch (const std::exception& e) {
            change.reason =
                TSiteListWriter::tr("saved, but not journalled: %1").arg(QString::fromStdString(e.what()));
        }
    }
    return saved;
}
