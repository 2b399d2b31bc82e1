#include "sync/TDifferenceTableModel.h"

#include "sync/TKeyTables.h"

namespace {
QString activeText(const TKeySlot& key) {
    return key.active ? QStringLiteral("Yes") : QStringLiteral("No");
}
} // namespace

void TDifferenceTableModel::SetComparison(const TKeyComparison& value) {
    comparison = value;
    Refill();
}

void TDifferenceTableModel::SetShowAll(bool all) {
    showAll = all;
    Refill();
}

void TDifferenceTableModel::SetWantedName(const QString& name) {
    wantedName = name;
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

void TDifferenceTableModel::Refill() {
    beginResetModel();
    rows = showAll ? comparison.AllSlots() : comparison.Differences();
    endResetModel();
}

int TDifferenceTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows.size());
}

int TDifferenceTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString TDifferenceTableModel::CellText(const TKeyDifference& row, int column) const {
    const bool heldKnown = row.kind != TKeyDifference::Kind::NotRead;
    switch (column) {
    case TableCol:
        return TKeyTables::TableName(row.table);
    case NumberCol:
        return QString::number(row.Number());
    case WantedCode:
        return row.wanted.active ? row.wanted.keyCode.toUpper() : QString::fromLatin1("<EMPTY>");
    case WantedActive:
        return activeText(row.wanted);
    case WantedNote:
        return row.wanted.active ? row.wanted.memo.trimmed() : QString();
    case HeldCode:
        return !heldKnown        ? QStringLiteral("?")
               : row.held.active ? row.held.keyCode
                                 : QString::fromLatin1("<EMPTY>");
    case HeldActive:
        return heldKnown ? activeText(row.held) : QStringLiteral("?");
    case HeldNote:
        return heldKnown && row.held.active ? row.held.memo : QString();
    case KindCol:
        return row.Differs() ? TKeyDifference::KindText(row.kind) : QString();
    }
    return QString();
}

QString TDifferenceTableModel::HeaderText(int column) const {
    switch (column) {
    case TableCol:
        return QStringLiteral("Table");
    case NumberCol:
        return QStringLiteral("#");
    case WantedCode:
        return wantedName + QStringLiteral(": key code");
    case WantedActive:
        return QStringLiteral("Active");
    case WantedNote:
        return QStringLiteral("Note");
    case HeldCode:
        return QStringLiteral("Controller: key code");
    case HeldActive:
        return QStringLiteral("Active");
    case HeldNote:
        return QStringLiteral("Note");
    case KindCol:
        return QStringLiteral("Difference");
    }
    return QString();
}

QVariant TDifferenceTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows.size())
        return QVariant();
    const TKeyDifference& row = rows[index.row()];
    if (role == Qt::DisplayRole)
        return CellText(row, index.column());
    if (role == Qt::TextAlignmentRole &&
        (index.column() == NumberCol || index.column() == WantedActive || index.column() == HeldActive))
        return int(Qt::AlignCenter);
    return QVariant();
}

QVariant TDifferenceTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return HeaderText(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}
