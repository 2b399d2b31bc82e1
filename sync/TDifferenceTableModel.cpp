#include "sync/TDifferenceTableModel.h"

#include "sync/TKeyTables.h"

#include <iterator>

namespace {
using TWording = TDifferenceTableModel::TWording;

QString worded(const char* english, TWording wording) {
    return wording == TWording::English ? QString::fromUtf8(english) : TDifferenceTableModel::tr(english);
}

QString activeText(const TKeySlot& key, TWording wording) {
    return key.active ? worded(QT_TRANSLATE_NOOP("TDifferenceTableModel", "Yes"), wording)
                      : worded(QT_TRANSLATE_NOOP("TDifferenceTableModel", "No"), wording);
}

// The column titles, "%1" the side the comparison wants.
const char* const HeaderTexts[] = {QT_TRANSLATE_NOOP("TDifferenceTableModel", "Table"),
                                   "#",
                                   QT_TRANSLATE_NOOP("TDifferenceTableModel", "%1: key code"),
                                   QT_TRANSLATE_NOOP("TDifferenceTableModel", "Active"),
                                   QT_TRANSLATE_NOOP("TDifferenceTableModel", "Note"),
                                   QT_TRANSLATE_NOOP("TDifferenceTableModel", "Controller: key code"),
                                   QT_TRANSLATE_NOOP("TDifferenceTableModel", "Active"),
                                   QT_TRANSLATE_NOOP("TDifferenceTableModel", "Note"),
                                   QT_TRANSLATE_NOOP("TDifferenceTableModel", "Difference")};
static_assert(std::size(HeaderTexts) == TDifferenceTableModel::ColumnCount);
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

QString TDifferenceTableModel::CellText(const TKeyDifference& row, int column, TWording wording) const {
    const bool heldKnown = row.kind != TKeyDifference::Kind::NotRead;
    switch (column) {
    case TableCol:
        return wording == TWording::English ? TKeyTables::TableName(row.table)
                                            : TKeyTables::TableShown(row.table);
    case NumberCol:
        return QString::number(row.Number());
    case WantedCode:
        return row.wanted.active ? row.wanted.keyCode.toUpper() : QString::fromLatin1("<EMPTY>");
    case WantedActive:
        return activeText(row.wanted, wording);
    case WantedNote:
        return row.wanted.active ? row.wanted.memo.trimmed() : QString();
    case HeldCode:
        return !heldKnown        ? QStringLiteral("?")
               : row.held.active ? row.held.keyCode
                                 : QString::fromLatin1("<EMPTY>");
    case HeldActive:
        return heldKnown ? activeText(row.held, wording) : QStringLiteral("?");
    case HeldNote:
        return heldKnown && row.held.active ? row.held.memo : QString();
    case KindCol:
        if (!row.Differs())
            return QString();
        return wording == TWording::English ? TKeyDifference::KindText(row.kind)
                                            : TKeyDifference::KindShown(row.kind);
    }
    return QString();
}

QString TDifferenceTableModel::HeaderText(int column, TWording wording) const {
    if (column < 0 || column >= ColumnCount)
        return QString();
    const QString text = worded(HeaderTexts[column], wording);
    if (column != WantedCode)
        return text;
    return text.arg(wantedName.isEmpty()
                        ? worded(QT_TRANSLATE_NOOP("TDifferenceTableModel", "Key list"), wording)
                        : wantedName);
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
