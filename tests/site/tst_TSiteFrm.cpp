// The Site window driven through its widgets: the door table, a find, a revoke confirmed in its
// box, a give to the selected doors, and "Open list".
#include "dbf/TDbfEnv.h"
#include "site/TSiteFile.h"
#include "site/ui/TSiteFrm.h"
#include "sync/TKeyListFile.h"
#include "sync/TKeyTables.h"
#include "tests/support/TTestMessageBoxes.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

namespace {
const QString Lost = QStringLiteral("2BC5FB000000");

TKeyTables tables(const QString& serial, bool holdsLost) {
    TKeyTables t;
    t.serial = serial;
    t.MarkAllEmpty();
    TKeySlot key = t.slave.Slot(4);
    key.active = holdsLost;
    key.keyCode = holdsLost ? Lost : key.keyCode;
    key.memo = holdsLost ? QStringLiteral("Ann") : QString();
    t.slave.SetSlot(4, key);
    return t;
}

QString cell(QTableWidget* grid, int row, int column) {
    return grid->item(row, column) ? grid->item(row, column)->text() : QString();
}
} // namespace

class tst_TSiteFrm : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    TDbfEnv env;

private slots:
    void shouldShowFindRevokeGiveAndOpenThroughItsWidgets();
};

void tst_TSiteFrm::shouldShowFindRevokeGiveAndOpenThroughItsWidgets() {
    TKeyListFile::Write(tables(QStringLiteral("VT1"), true), dir.filePath(QStringLiteral("a.dbf")));
    TKeyListFile::Write(tables(QStringLiteral("VT2"), false), dir.filePath(QStringLiteral("b.dbf")));
    QFile site(dir.filePath(TSiteFile::FileName));
    QVERIFY(site.open(QIODevice::WriteOnly));
    site.write("[site]\nname = Office\n[door]\nserial = VT1\nname = Main\nlist = a.dbf\n"
               "[door]\nserial = VT2\nname = Back\nlist = b.dbf\n");
    site.close();
    TTestMessageBoxes boxes;
    QString opened;
    TSiteFrm frm(boxes, [&opened](const QString& path) { opened = path; });
    frm.OpenSite(dir.path());
    auto* doors = frm.findChild<QTableWidget*>(QStringLiteral("DoorTable"));
    auto* found = frm.findChild<QTableWidget*>(QStringLiteral("FindTable"));
    auto* journal = frm.findChild<QTableWidget*>(QStringLiteral("JournalTable"));
    auto* search = frm.findChild<QLineEdit*>(QStringLiteral("SearchEdit"));
    QVERIFY(doors && found && journal && search);
    QCOMPARE(doors->rowCount(), 2);
    QCOMPARE(cell(doors, 0, 6), QStringLiteral("never read"));

    search->setText(QStringLiteral("01.2BC5FB000000"));
    frm.findChild<QPushButton*>(QStringLiteral("FindBtn"))->click();
    QCOMPARE(found->rowCount(), 1);
    QCOMPARE(cell(found, 0, 0), QStringLiteral("Main"));
    QCOMPARE(cell(found, 0, 3), QStringLiteral("5"));

    // Revoke: the plan in a confirmation; Cancel changes nothing, OK saves and journals.
    boxes.queueAnswer(TMessageBoxes::Answer::Cancel);
    frm.findChild<QPushButton*>(QStringLiteral("RevokeBtn"))->click();
    QVERIFY(TKeyListFile::Read(dir.filePath(QStringLiteral("a.dbf"))).slave.Slot(4).active);
    QVERIFY2(boxes.shown.last().text.contains(QLatin1String("Main: Slave #5")),
             qPrintable(boxes.shown.last().text));
    frm.findChild<QPushButton*>(QStringLiteral("RevokeBtn"))->click();
    QVERIFY(!TKeyListFile::Read(dir.filePath(QStringLiteral("a.dbf"))).slave.Slot(4).active);
    QCOMPARE(journal->rowCount(), 1);
    QCOMPARE(cell(found, 0, 5), QStringLiteral("no"));

    // Give to the selected door: its first free slave slot.
    doors->selectRow(1);
    frm.findChild<QPushButton*>(QStringLiteral("GiveBtn"))->click();
    const TKeyTables back = TKeyListFile::Read(dir.filePath(QStringLiteral("b.dbf")));
    QVERIFY(back.slave.Slot(0).active);
    QCOMPARE(back.slave.Slot(0).keyCode, Lost);
    QCOMPARE(journal->rowCount(), 2);

    frm.findChild<QPushButton*>(QStringLiteral("OpenListBtn"))->click();
    QCOMPARE(opened, dir.filePath(QStringLiteral("b.dbf")));
}

QTEST_MAIN(tst_TSiteFrm)
#include "tst_TSiteFrm.moc"
