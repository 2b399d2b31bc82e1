#include "TKeyGrid.h"

#include "TDbfTable.h"
#include "TErrorReport.h"
#include "TKeyListStore.h"
#include "TKeyTableModel.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

constexpr int TKeyGrid::ColumnWidths[4];

TKeyGrid::TKeyGrid(QTableView& grid, TDbfTable& view, TKeyListStore& store)
    : QObject(&grid), grid(grid), view(view), store(store), model(new TKeyTableModel(view, this)) {
    grid.setModel(model);
    grid.setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid.setSelectionBehavior(QAbstractItemView::SelectRows);
    grid.setSelectionMode(QAbstractItemView::SingleSelection);
    grid.setAlternatingRowColors(false);
    grid.setWordWrap(false);
    grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QHeaderView* titles = grid.horizontalHeader();
    titles->setSectionsClickable(true);
    titles->setHighlightSections(false);
    titles->setSortIndicatorShown(false);
    titles->setDefaultAlignment(Qt::AlignCenter);
    titles->setMinimumSectionSize(MinColumnWidth);
    QHeaderView* indicator = grid.verticalHeader();
    indicator->setSectionResizeMode(QHeaderView::Fixed);
    indicator->setDefaultSectionSize(grid.fontMetrics().height() + 6);
    indicator->setMinimumWidth(16);
    indicator->setDefaultAlignment(Qt::AlignCenter);
    indicator->setSectionsClickable(false);
    indicator->show();
    grid.viewport()->installEventFilter(this);

    connect(titles, &QHeaderView::sectionClicked, this, &TKeyGrid::TitleClicked);
    connect(model, &TKeyTableModel::CurrentRowChanged, this, &TKeyGrid::followView);
    connect(model, &QAbstractItemModel::modelReset, this, [this] { followView(model->CurrentRow()); });
    connect(grid.selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { followGrid(current.row()); });
    connect(&view, &TDbfTable::AfterOpen, model, &TKeyTableModel::ResetMarkers);
    ScaleColumns();
}

void TKeyGrid::TitleBtnClick(int column) {
    if (!view.Active() || column < 0 || column >= TKeyListStore::ColumnCount)
        return;
    const bool descending = model->NextMarker(column);
    store.SortBy(view, column, descending);
}

void TKeyGrid::ScaleColumns() {
    int total = 0;
    for (int width : ColumnWidths)
        total += width;
    const int available = grid.viewport()->width();
    if (available <= 0)
        return;
    int used = 0;
    for (int column = 0; column < 4; ++column) {
        int width = column == 3 ? available - used : ColumnWidths[column] * available / total;
        width = qMax(width, MinColumnWidth);
        grid.setColumnWidth(column, width);
        used += width;
    }
}

bool TKeyGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid.viewport() && event->type() == QEvent::Resize)
        ScaleColumns();
    return QObject::eventFilter(watched, event);
}

void TKeyGrid::followView(int row) {
    following = true;
    if (row < 0) {
        grid.selectionModel()->clearSelection();
    } else {
        const QModelIndex index = model->index(row, 0);
        grid.selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                          QItemSelectionModel::Rows);
        grid.scrollTo(index);
    }
    following = false;
}

void TKeyGrid::followGrid(int row) {
    if (following || row < 0 || !view.Active())
        return;
    TErrorReport::run([this, row] {
        const int recNo = view.RowRecNo(row);
        if (recNo > 0 && recNo != view.RecNo())
            view.SetRecNo(recNo);
    });
}
