#include "keylist/TKeyTableModel.h"
#include "keylist/ui/TKeyGrid.h"
#include "tests/keylist/TFakeKeyListHost.h"

#include <QFont>
#include <QHeaderView>
#include <QTableView>
#include <QTest>

using TMarker = TKeyTableModel::TMarker;

// A grid over the slave view of a new key list, its title clicks wired as the main window wires them.
struct TGridFixture : TKeyListFixture {
    QTableView table;
    TKeyGrid* grid;

    TGridFixture() {
        newList();
        grid = new TKeyGrid(table, slave, store);
        QObject::connect(grid, &TKeyGrid::TitleClicked, grid, &TKeyGrid::TitleBtnClick);
        table.resize(400, 300);
        table.show();
    }
    QAbstractItemModel* model() { return table.model(); }
    QString cell(int row, int column) { return model()->index(row, column).data().toString(); }
    void clickTitle(int column) { emit table.horizontalHeader()->sectionClicked(column); }
};

class tst_TKeyGrid : public QObject {
    Q_OBJECT
private slots:
    void shouldShowFourTitledColumnsOfTheView() {
        TGridFixture f;
        QCOMPARE(f.model()->rowCount(), 128);
        QVERIFY(f.table.horizontalHeader()->font().bold());
        QCOMPARE(f.model()->columnCount(), 4);
        for (int c = 0; c < 4; ++c) {
            QCOMPARE(f.model()->headerData(c, Qt::Horizontal).toString(),
                     QStringList({"#", "Key code", "Active", "Memo"})[c]);
            QCOMPARE(f.model()->headerData(c, Qt::Horizontal, Qt::TextAlignmentRole).toInt(),
                     int(Qt::AlignCenter));
        }
        QCOMPARE(f.cell(0, 0), QStringLiteral("1"));
        QCOMPARE(f.cell(127, 0), QStringLiteral("128"));
        QCOMPARE(f.cell(5, 1), QStringLiteral("<EMPTY>"));
        QCOMPARE(f.table.editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(f.table.selectionBehavior(), QAbstractItemView::SelectRows);
        QVERIFY(!(f.model()->flags(f.model()->index(0, 1)) & Qt::ItemIsEditable));
    }

    // "#" is where the writes send the record (its rank by RECID) + 1, whatever RECID holds and
    // however the grid is sorted.
    void shouldNumberEveryRowByItsSlot() {
        TGridFixture f;
        QList<int> recNos;
        for (int row = 0; row < f.slave.RowCount(); ++row)
            recNos.append(f.slave.RowRecNo(row));
        for (int slot = 0; slot < recNos.size(); ++slot) {
            f.slave.SetRecNo(recNos[slot]);
            f.slave.Edit();
            f.slave.FieldByName(QStringLiteral("RECID"))->SetAsInteger(10 * slot + 3);
            f.slave.Post();
        }
        f.slave.SetRecNo(recNos[4]);
        TKeyListFixture::setKey(f.slave, QStringLiteral("00000000ABCD"), true, QStringLiteral("Flat 5"));
        f.clickTitle(3); // by note: the key's row moves, its "#" stays
        QStringList shown;
        for (int row = 0; row < f.model()->rowCount(); ++row)
            if (f.cell(row, 3) == QStringLiteral("Flat 5"))
                shown << f.cell(row, 0);
        QCOMPARE(shown, QStringList{QStringLiteral("5")});
        QStringList numbers;
        for (int row = 0; row < f.model()->rowCount(); ++row)
            numbers << f.cell(row, 0);
        numbers.sort();
        numbers.removeDuplicates();
        QCOMPARE(numbers.size(), 128);
    }

    void shouldScaleTheColumnsToTheGridWidth() {
        TGridFixture f;
        for (int width : {300, 700, 120}) {
            f.table.resize(width, 300);
            QApplication::processEvents();
            const int available = f.table.viewport()->width();
            int total = 0;
            for (int c = 0; c < 4; ++c) {
                QVERIFY(f.table.columnWidth(c) >= TKeyGrid::MinColumnWidth);
                total += f.table.columnWidth(c);
            }
            QVERIFY2(total >= available && total <= available + 4 * TKeyGrid::MinColumnWidth,
                     qPrintable(QString::number(total)));
            if (available > 400)
                QVERIFY(f.table.columnWidth(3) > f.table.columnWidth(1));
        }
    }

    void shouldFollowTheViewAndMoveItOnAClick() {
        TGridFixture f;
        TKeyListFixture::goRow(f.slave, 40);
        QCOMPARE(f.table.currentIndex().row(), 40);
        QCOMPARE(f.model()->headerData(40, Qt::Vertical).toString().isEmpty(), false);
        QVERIFY(f.model()->headerData(39, Qt::Vertical).toString().isEmpty());
        const QRect rect = f.table.visualRect(f.model()->index(f.table.rowAt(10), 1));
        QTest::mouseClick(f.table.viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(f.slave.RecNo(), f.slave.RowRecNo(f.table.rowAt(10)));
    }

    void shouldShowEveryChangeOfTheViewAtOnce() {
        TGridFixture f;
        TKeyListFixture::goRow(f.slave, 2);
        f.slave.Edit();
        QCOMPARE(f.model()->headerData(2, Qt::Vertical).toString(), QStringLiteral("I"));
        f.slave.FieldByName("KEYMEMO")->SetAsString("typed");
        QCOMPARE(f.cell(2, 3), QStringLiteral("typed"));
        f.slave.Post();
        QCOMPARE(f.cell(2, 3), QStringLiteral("typed"));
        TKeyListFixture::goRow(f.master, 0);
        TKeyListFixture::setKey(f.master, "ABCDEF012345", true, "master");
        f.slave.SetFiltered(false);
        QCOMPARE(f.model()->rowCount(), 137);
        f.slave.SetFiltered(true);
        QCOMPARE(f.model()->rowCount(), 128);
        f.store.CloseViews();
        QCOMPARE(f.model()->rowCount(), 0);
        f.store.OpenKeyList(f.store.WorkCopyPath());
        QCOMPARE(f.model()->rowCount(), 128);
        QCOMPARE(f.cell(2, 3), QStringLiteral("typed"));
    }

    void shouldCycleTheMarkersAndKeepTheCurrentKey() {
        TGridFixture f;
        TKeyTableModel& model = f.grid->Model();
        QCOMPARE(model.Marker(0), TMarker::Down);
        f.clickTitle(0);
        QCOMPARE(model.Marker(0), TMarker::Up);
        QCOMPARE(f.cell(0, 0), QStringLiteral("128"));
        f.clickTitle(0);
        QCOMPARE(model.Marker(0), TMarker::Down);
        QCOMPARE(f.cell(0, 0), QStringLiteral("1"));

        TKeyListFixture::goRow(f.slave, 2);
        TKeyListFixture::setKey(f.slave, "000000000001", true, QString());
        const int recNo = f.slave.RecNo();
        f.clickTitle(1);
        QCOMPARE(model.Marker(1), TMarker::Down);
        QCOMPARE(model.Marker(0), TMarker::None);
        QCOMPARE(f.slave.RecNo(), recNo);
        QCOMPARE(f.cell(0, 1), QStringLiteral("000000000001"));
        QCOMPARE(f.table.currentIndex().row(), 0);
        QCOMPARE(f.table.horizontalHeader()->sortIndicatorSection(), 1);
        QCOMPARE(f.table.horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
        f.clickTitle(1);
        QCOMPARE(model.Marker(1), TMarker::Up);
        QCOMPARE(f.slave.RecNo(), recNo);
        QCOMPARE(f.cell(127, 1), QStringLiteral("000000000001"));
        QCOMPARE(f.table.currentIndex().row(), 127);
        QCOMPARE(f.table.horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    }
};

QTEST_MAIN(tst_TKeyGrid)
#include "tst_TKeyGrid.moc"
