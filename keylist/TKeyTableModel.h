#pragma once

#include <QAbstractTableModel>
#include <QHash>

#include <array>

class TDbfTable;

// The rows of one key-list view for its grid: the columns "#", "Key code", "Active" and "Memo",
// the record indicator in the row header and the sort marker in the column titles. It follows
// every notification of the view, so an edit, a post, a filter, an order or a reopen shows at once.
class TKeyTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class TMarker { None, Down, Up };

    explicit TKeyTableModel(TDbfTable& view, QObject* parent = nullptr);

    TDbfTable& View() const { return view; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    static QString Title(int column);
    // What a screen reader says for a cell and for a column title.
    QString SpokenText(const QModelIndex& index) const;
    static QString SpokenTitle(int column);
    TMarker Marker(int column) const { return markers.at(column); }
    // Sets the marker of one column and removes those of the others.
    void SetMarker(int column, TMarker marker);
    // The title click: none and up give down (ascending), down gives up (descending).
    // Returns true when the column is now in descending order.
    bool NextMarker(int column);
    void ResetMarkers();

    int CurrentRow() const; // -1 when the view is closed or shows nothing

signals:
    void CurrentRowChanged(int row);
    void MarkersChanged();

public:
    static QString UnreadHint();

private:
    void reset();
    void recordChanged(int recNo);
    void currentChanged();
    int fieldOf(int column) const;
    // The row marks a slot a read could not get: its tooltip says so.
    bool UnreadRow(int row) const;
    // "#" of every record: its slot (rank in ascending RECID, ties in record order) + 1, which
    // is where the writes send it, whatever the RECID field holds.
    void numberSlots();

    TDbfTable& view;
    std::array<TMarker, 4> markers{TMarker::Down, TMarker::None, TMarker::None, TMarker::None};
    std::array<int, 4> fields{-1, -1, -1, -1};
    int rows = 0;
    int lastCurrent = -1;
    QHash<int, int> numbers; // record number -> "#"
};
