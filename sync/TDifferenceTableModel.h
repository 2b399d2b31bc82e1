#pragma once

#include "sync/TKeyComparison.h"

#include <QAbstractTableModel>

// The rows of the Differences window: the differing slots, or every compared slot.
class TDifferenceTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        TableCol,
        NumberCol,
        WantedCode,
        WantedActive,
        WantedNote,
        HeldCode,
        HeldActive,
        HeldNote,
        KindCol,
        ColumnCount
    };

    explicit TDifferenceTableModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void SetComparison(const TKeyComparison& comparison);
    void SetShowAll(bool all);
    bool ShowAll() const { return showAll; }
    // The side the comparison wants: "Key list" or "Snapshot".
    void SetWantedName(const QString& name);

    const QList<TKeyDifference>& Rows() const { return rows; }
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The text of one cell, as shown and printed; an export gives it in English, as files keep it.
    enum class TWording { Shown, English };
    QString CellText(const TKeyDifference& row, int column, TWording wording = TWording::Shown) const;
    QString HeaderText(int column, TWording wording = TWording::Shown) const;

private:
    void Refill();

    TKeyComparison comparison;
    QList<TKeyDifference> rows;
    bool showAll = false;
    QString wantedName; // empty: the key list
};
