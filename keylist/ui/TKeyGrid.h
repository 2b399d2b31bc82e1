#pragma once

#include <QObject>

class QTableView;
class TDbfTable;
class TKeyListStore;
class TKeyTableModel;

// Makes a QTableView the grid of one key-list view: read-only, whole rows, the record indicator,
// the four titled columns scaled to the grid's width, and the titles as sort buttons. The current
// row follows the view and a click moves the view.
class TKeyGrid : public QObject {
    Q_OBJECT
public:
    // Default column widths in pixels, scaled together to the grid's width.
    static constexpr int ColumnWidths[4] = {35, 100, 60, 160};
    static constexpr int MinColumnWidth = 25;

    TKeyGrid(QTableView& grid, TDbfTable& view, TKeyListStore& store);

    QTableView& Grid() const { return grid; }
    TKeyTableModel& Model() const { return *model; }

    // The title click: next marker, the column's order, the same key current.
    void TitleBtnClick(int column);
    void ScaleColumns();
    // The header shows the model's one marker.
    void ShowMarkers();

signals:
    // A column title was clicked; the owner runs its title-click handler.
    void TitleClicked(int column);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void followView(int row);
    void followGrid(int row);

    QTableView& grid;
    TDbfTable& view;
    TKeyListStore& store;
    TKeyTableModel* model;
    QWidget* viewport;
    bool following = false;
};
