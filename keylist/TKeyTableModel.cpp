#include "keylist/TKeyTableModel.h"

#include "dbf/TDbfTable.h"
#include "keylist/TKeyListStore.h"
#include "keys/TKeyPlaceholder.h"

#include <algorithm>
#include <vector>

namespace {
const char* const Titles[] = {"#", QT_TRANSLATE_NOOP("TKeyTableModel", "Key code"),
                              QT_TRANSLATE_NOOP("TKeyTableModel", "Active"),
                              QT_TRANSLATE_NOOP("TKeyTableModel", "Memo")};
// Browse and edit, as the record indicator shows them.
const QString CurrentMark = QStringLiteral("\u25B6");
const QString EditMark = QStringLiteral("I");
} // namespace

TKeyTableModel::TKeyTableModel(TDbfTable& view, QObject* parent) : QAbstractTableModel(parent), view(view) {
    connect(&view, &TDbfTable::DataSetChanged, this, &TKeyTableModel::reset);
    connect(&view, &TDbfTable::AfterOpen, this, &TKeyTableModel::reset);
    connect(&view, &TDbfTable::AfterClose, this, &TKeyTableModel::reset);
    connect(&view, &TDbfTable::RecordChanged, this, &TKeyTableModel::recordChanged);
    connect(&view, &TDbfTable::FieldChanged, this, [this] { recordChanged(this->view.RecNo()); });
    connect(&view, &TDbfTable::AfterScroll, this, &TKeyTableModel::currentChanged);
    connect(&view, &TDbfTable::StateChanged, this, &TKeyTableModel::currentChanged);
    reset();
}

void TKeyTableModel::reset() {
    beginResetModel();
    rows = view.Active() ? view.RowCount() : 0;
    for (int column = 0; column < 4; ++column) {
        const TDbfField* field =
            view.Active() ? view.FindField(TKeyListStore::ColumnFields[column]) : nullptr;
        fields[column] = field ? field->Index() : -1;
    }
    numberSlots();
    endResetModel();
    lastCurrent = -1;
    currentChanged();
}

QString TKeyTableModel::UnreadHint() {
    return tr("Not read: the controller's slot could not be read. Read the controller again; until "
              "then this key list cannot be written.");
}

bool TKeyTableModel::UnreadRow(int row) const {
    const int codeField = fieldOf(1);
    return codeField >= 0 && view.RowText(row, codeField) == QLatin1String(TKeyPlaceholder::UnreadCode);
}

void TKeyTableModel::numberSlots() {
    numbers.clear();
    const int recIdField = fieldOf(0);
    if (recIdField < 0)
        return;
    std::vector<std::pair<int, int>> order; // RECID, record number
    order.reserve(rows);
    for (int row = 0; row < rows; ++row)
        order.emplace_back(view.RowValue(row, recIdField).toInt(), view.RowRecNo(row));
    std::sort(order.begin(), order.end());
    for (int slot = 0; slot < int(order.size()); ++slot)
        numbers.insert(order[slot].second, slot + 1);
}

int TKeyTableModel::fieldOf(int column) const {
    return column >= 0 && column < 4 ? fields[column] : -1;
}

void TKeyTableModel::recordChanged(int recNo) {
    if (!view.Active())
        return;
    if (view.RowCount() != rows) {
        reset();
        return;
    }
    // An edited RECID may move other records' "#" too.
    const QHash<int, int> before = numbers;
    numberSlots();
    for (int row = 0; row < rows; ++row) {
        const int rowRecNo = view.RowRecNo(row);
        if (rowRecNo == recNo || numbers.value(rowRecNo) != before.value(rowRecNo))
            emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    }
}

void TKeyTableModel::currentChanged() {
    const int current = CurrentRow();
    if (current != lastCurrent) {
        const int previous = lastCurrent;
        lastCurrent = current;
        if (previous >= 0 && previous < rows)
            emit headerDataChanged(Qt::Vertical, previous, previous);
        emit CurrentRowChanged(current);
    }
    if (current >= 0)
        emit headerDataChanged(Qt::Vertical, current, current);
}

int TKeyTableModel::CurrentRow() const {
    return view.Active() && rows > 0 ? view.CurrentRow() : -1;
}

int TKeyTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows;
}

int TKeyTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : TKeyListStore::ColumnCount;
}

QVariant TKeyTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows)
        return QVariant();
    if (role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole)
        return UnreadRow(index.row()) ? UnreadHint() : QVariant();
    if (role == Qt::AccessibleTextRole)
        return SpokenText(index);
    if (role != Qt::DisplayRole)
        return QVariant();
    if (index.column() == 0)
        return numbers.contains(view.RowRecNo(index.row()))
                   ? QVariant(QString::number(numbers.value(view.RowRecNo(index.row()))))
                   : QVariant();
    const int field = fieldOf(index.column());
    if (field < 0)
        return QVariant();
    return view.RowText(index.row(), field);
}

QVariant TKeyTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole)
            return section == CurrentRow() ? (view.State() == dsBrowse ? CurrentMark : EditMark) : QString();
        return QVariant();
    }
    if (section < 0 || section >= TKeyListStore::ColumnCount)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return Title(section);
    case Qt::AccessibleTextRole:
        return SpokenTitle(section);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    default:
        return QVariant();
    }
}

Qt::ItemFlags TKeyTableModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

// A listener hears the column with the value, and the check box column and an empty memo in
// words rather than as "True" or nothing.
QString TKeyTableModel::SpokenText(const QModelIndex& index) const {
    const QString text = data(index, Qt::DisplayRole).toString();
    switch (index.column()) {
    case 0:
        return tr("Slot %1").arg(text);
    case 1:
        return tr("Key code %1").arg(text);
    case 2:
        return text == QLatin1String("True") ? tr("Active") : tr("Deactivated");
    default:
        return text.trimmed().isEmpty() ? tr("No note") : tr("Note: %1").arg(text);
    }
}

QString TKeyTableModel::SpokenTitle(int column) {
    switch (column) {
    case 0:
        return tr("Slot number");
    case 1:
        return tr("Key code");
    case 2:
        return tr("Active");
    default:
        return tr("Note");
    }
}

QString TKeyTableModel::Title(int column) {
    return tr(Titles[column]);
}

void TKeyTableModel::SetMarker(int column, TMarker marker) {
    for (int c = 0; c < 4; ++c)
        markers[c] = c == column ? marker : TMarker::None;
    emit MarkersChanged();
}

bool TKeyTableModel::NextMarker(int column) {
    const bool descending = markers.at(column) == TMarker::Down;
    SetMarker(column, descending ? TMarker::Up : TMarker::Down);
    return descending;
}

void TKeyTableModel::ResetMarkers() {
    SetMarker(0, TMarker::Down);
}
