#include "sync/TKeyComparison.h"

#include "keylist/TKeyNote.h"
#include "sync/TKeyTables.h"

#include <QStringList>

TKeyComparison::TKeyComparison(const TKeyTables& wanted, const TKeyTables& held)
    : wantedSerial(wanted.serial.trimmed()), heldSerial(held.serial.trimmed()) {
    for (TKeyTransfer::Table table : TKeyTables::Tables) {
        if (!wanted.Valid(table))
            continue;
        (table == TKeyTransfer::Table::Master ? comparedMaster : comparedSlave) = true;
        const TMemoryKeyView& want = wanted.View(table);
        const TMemoryKeyView& hold = held.View(table);
        for (int slot = 0; slot < want.SlotCount(); ++slot) {
            TKeyDifference row;
            row.table = table;
            row.slot = slot;
            row.wanted = want.Slot(slot);
            row.held = hold.Slot(slot);
            row.kind = hold.IsKnown(slot) ? TKeyDifference::Classify(row.wanted, row.held)
                                          : TKeyDifference::Kind::NotRead;
            if (row.Differs())
                ++counts[row.kind];
            rows.append(row);
        }
    }
}

QList<TKeyDifference> TKeyComparison::RowsWhere(bool (TKeyDifference::*test)() const) const {
    QList<TKeyDifference> found;
    for (const TKeyDifference& row : rows)
        if ((row.*test)())
            found.append(row);
    return found;
}

QList<TKeyDifference> TKeyComparison::Differences() const {
    return RowsWhere(&TKeyDifference::Differs);
}

QList<TKeyDifference> TKeyComparison::Writable() const {
    return RowsWhere(&TKeyDifference::Writable);
}

QString TKeyComparison::UnwritableText() const {
    QStringList lines;
    for (const TKeyDifference& row : rows)
        if (row.Differs() && !row.Writable())
            lines << QStringLiteral("%1 #%2: %3")
                         .arg(TKeyTables::TableShown(row.table))
                         .arg(row.Number())
                         .arg(TKeyNote::FillByteReason());
    if (lines.isEmpty())
        return QString();
    lines.prepend(tr("Not written; change the note in the key list (\"y\" for \"ÿ\"):"));
    return lines.join(QLatin1Char('\r'));
}

int TKeyComparison::DifferenceCount() const {
    int total = 0;
    for (int count : counts)
        total += count;
    return total;
}

bool TKeyComparison::Compared(TKeyTransfer::Table table) const {
    return table == TKeyTransfer::Table::Master ? comparedMaster : comparedSlave;
}

bool TKeyComparison::IsKnownSerial(const QString& serial) {
    const QString s = serial.trimmed();
    return !s.isEmpty() && s != QStringLiteral("<unknown>");
}

bool TKeyComparison::SerialMismatch() const {
    return SerialsDiffer(wantedSerial, heldSerial);
}

bool TKeyComparison::SerialsDiffer(const QString& first, const QString& second) {
    return IsKnownSerial(first) && IsKnownSerial(second) && first.trimmed() != second.trimmed();
}

QString TKeyComparison::OtherControllerQuestion(const QString& listSerial, const QString& controllerSerial) {
    return tr("This key list was saved from controller %1, but the connected controller is %2.\r"
              "Write its keys to controller %2 anyway?")
        .arg(listSerial.trimmed(), controllerSerial.trimmed());
}

QString TKeyComparison::SerialMismatchText(const QString& wantedName) const {
    if (!SerialMismatch())
        return QString();
    return tr("This %1 was saved from controller %2; the connected controller is %3.")
        .arg(wantedName.isEmpty() ? tr("key list") : wantedName, wantedSerial, heldSerial);
}

QString TKeyComparison::CountsText() const {
    const int total = DifferenceCount();
    if (total == 0)
        return tr("No differences");
    QStringList parts;
    for (TKeyDifference::Kind kind : TKeyDifference::Kinds)
        if (counts.value(kind) > 0)
            parts.append(
                QStringLiteral("%1 %2").arg(counts.value(kind)).arg(TKeyDifference::KindShown(kind)));
    return (total == 1 ? tr("%1 difference: %2") : tr("%1 differences: %2"))
        .arg(total)
        .arg(parts.join(QStringLiteral(", ")));
}
