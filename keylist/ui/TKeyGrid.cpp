#include "keylist/ui/TKeyGrid.h"

#include "dbf/TDbfTable.h"
#include "keylist/TKeyListStore.h"
#include "keylist/TKeyTableModel.h"
#include "seams/ui/TErrorReport.h"

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
    // Tab leaves the grid for the next control; the arrow keys move inside it.
    grid.setTabKeyNavigation(false);
    grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QHeaderView* titles = grid.horizontalHeader();
    titles->setSectionsClickable(true);
    titles->setHighlightSections(false);
    titles->setSortIndicatorShown(true);
    titles->setDefaultAlignment(Qt::AlignCenter);
    QFont bold = titles->font();
    bold.setBold(true);
    titles->setFont(bold);
    titles->setMinimumSectionSize(MinColumnWidth);
    QHeaderView* indicator = grid.verticalHeader();
    indicator->setSectionResizeMode(QHeaderView::Fixed);
    indicator->setDefaultSectionSize(grid.fontMetrics().height() + 6);
    indicator->setMinimumWidth(16);
    indicator->setDefaultAlignment(Qt::AlignCenter);
    indicator->setSectionsClickable(false);
    indicator->show();
    // Kept: the grid cannot be asked for it while it is being destroyed, when the viewport
    // still sends events.
    viewport = grid.viewport();
    viewport->installEventFilter(this);

    connect(titles, &QHeaderView::sectionClicked, this, &TKeyGrid::TitleClicked);
    // The header flips its indicator on a click by itself; the model's markers decide.
    connect(titles, &QHeaderView::sortIndicatorChanged, this, &TKeyGrid::ShowMarkers, Qt::QueuedConnection);
    connect(model, &TKeyTableModel::MarkersChanged, this, &TKeyGrid::ShowMarkers);
    connect(model, &TKeyTableModel::CurrentRowChanged, this, &TKeyGrid::followView);
    connect(model, &QAbstractItemModel::modelReset, this, [this] { followView(model->CurrentRow()); });
    connect(grid.selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { followGrid(current.row()); });
    connect(&view, &TDbfTable::AfterOpen, model, &TKeyTableModel::ResetMarkers);
    ScaleColumns();
    ShowMarkers();
}

void TKeyGrid::ShowMarkers() {
    QHeaderView* titles = grid.horizontalHeader();
    int section = -1;
    Qt::SortOrder order = Qt::AscendingOrder;
    for (int column = 0; column < TKeyListStore::ColumnCount; ++column) {
        if (model->Marker(column) != TKeyTableModel::TMarker::None) {
            section = column;
            // Down stands for the ascending order; the header draws an ascending indicator
            // as the arrow pointing down.
            order = model->Marker(column) == TKeyTableModel::TMarker::Down ? Qt::AscendingOrder
                                                                           : Qt::DescendingOrder;
        }
    }
    if (titles->sortIndicatorSection() == section && titles->sortIndicatorOrder() == order)
        return;
    const QSignalBlocker blocker(titles);
    titles->setSortIndicator(section, order);
    titles->viewport()->update();
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
    const int available = viewport->width();
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
    if (watched == viewport && event->type() == QEvent::Resize)
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
