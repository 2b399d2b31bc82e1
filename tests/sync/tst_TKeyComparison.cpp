#include "sync/TDifferenceCsv.h"
#include "sync/TDifferenceTableModel.h"
#include "sync/TKeyComparison.h"
#include "sync/TKeyTables.h"
#include "sync/TWriteWarnings.h"

#include "keys/TKeyPlaceholder.h"
#include "tests/support/TFileSizeLimit.h"

#include <QtTest>

namespace {
using Kind = TKeyDifference::Kind;
using Table = TKeyTransfer::Table;

TKeySlot key(bool active, const QString& code, const QString& memo = QString()) {
    TKeySlot k;
    k.active = active;
    k.keyCode = code;
    k.memo = memo;
    return k;
}

// Both tables known and empty, with the given serial number.
TKeyTables emptyTables(const QString& serial = QString()) {
    TKeyTables tables;
    tables.serial = serial;
    tables.MarkAllEmpty();
    return tables;
}
} // namespace

Q_DECLARE_METATYPE(TKeyDifference::Kind)
Q_DECLARE_METATYPE(TKeySlot)

class tst_TKeyComparison : public QObject {
    Q_OBJECT

private slots:
    void shouldClassifyEverySlotAsTheControllerWouldHoldIt_data();
    void shouldClassifyEverySlotAsTheControllerWouldHoldIt();
    void shouldListTheDifferencesOfBothTablesWithTheirCounts();
    void shouldReportUnreadSlotsAndLeaveInvalidTablesOut();
    void shouldSeeAHeaderSerialMismatchOnlyWhenBothAreKnown_data();
    void shouldSeeAHeaderSerialMismatchOnlyWhenBothAreKnown();
    void shouldWarnBeforeWritingDangerousTables_data();
    void shouldWarnBeforeWritingDangerousTables();
    void shouldShowAndExportTheDifferencesOrEverySlot();
};

void tst_TKeyComparison::shouldClassifyEverySlotAsTheControllerWouldHoldIt_data() {
    QTest::addColumn<TKeySlot>("wanted");
    QTest::addColumn<TKeySlot>("held");
    QTest::addColumn<Kind>("kind");
    const QString a = QStringLiteral("0123456789AB");
    const QString b = QStringLiteral("0123456789AC");
    const QString empty = QLatin1String(TKeyPlaceholder::EmptyCode);
    QTest::newRow("both empty") << key(false, empty) << key(false, empty) << Kind::Same;
    QTest::newRow("inactive slots hold nothing, whatever their code")
        << key(false, a, QStringLiteral("x")) << key(false, b) << Kind::Same;
    QTest::newRow("same key") << key(true, a, QStringLiteral("Flat 1"))
                              << key(true, a, QStringLiteral("Flat 1")) << Kind::Same;
    QTest::newRow("code in lower case, note padded with blanks")
        << key(true, a.toLower(), QStringLiteral("Flat 1   ")) << key(true, a, QStringLiteral("Flat 1"))
        << Kind::Same;
    QTest::newRow("note beyond 25 characters is not kept by the controller")
        << key(true, a, QString(30, QLatin1Char('n'))) << key(true, a, QString(25, QLatin1Char('n')))
        << Kind::Same;
    QTest::newRow("key added") << key(true, a, QStringLiteral("New")) << key(false, empty) << Kind::KeyAdded;
    QTest::newRow("key removed") << key(false, empty) << key(true, a, QStringLiteral("Lost"))
                                 << Kind::KeyRemoved;
    QTest::newRow("removed when the list keeps another code inactive")
        << key(false, b) << key(true, a) << Kind::KeyRemoved;
    QTest::newRow("code changed") << key(true, b, QStringLiteral("Flat 1"))
                                  << key(true, a, QStringLiteral("Flat 1")) << Kind::CodeChanged;
    QTest::newRow("code and note changed count as code changed")
        << key(true, b, QStringLiteral("x")) << key(true, a, QStringLiteral("y")) << Kind::CodeChanged;
    QTest::newRow("note changed") << key(true, a, QStringLiteral("Flat 2"))
                                  << key(true, a, QStringLiteral("Flat 1")) << Kind::NoteChanged;
    QTest::newRow("deactivated") << key(false, a, QStringLiteral("Flat 1"))
                                 << key(true, a, QStringLiteral("Flat 1")) << Kind::Deactivated;
    QTest::newRow("activated") << key(true, a, QStringLiteral("Flat 1")) << key(false, a) << Kind::Activated;
    // The controller's reads drop "ÿ", its fill byte: such a note differs for that reason, whatever
    // else the controller holds, and is the same only against a list or snapshot that holds it too.
    const QString town = QString::fromUtf8("L'Ha\u00FF-les-Roses");
    QTest::newRow("note with y diaeresis, read back without it")
        << key(true, a, town) << key(true, a, QStringLiteral("L'Ha-les-Roses")) << Kind::NoteNotReadBack;
    QTest::newRow("note with y diaeresis, key added")
        << key(true, a, town) << key(false, empty) << Kind::NoteNotReadBack;
    QTest::newRow("note with y diaeresis, code changed")
        << key(true, b, town) << key(true, a, town) << Kind::NoteNotReadBack;
    QTest::newRow("note with y diaeresis on both sides")
        << key(true, a, town) << key(true, a, town) << Kind::Same;
    QTest::newRow("inactive slot with such a note") << key(false, a, town) << key(false, empty) << Kind::Same;
}

void tst_TKeyComparison::shouldClassifyEverySlotAsTheControllerWouldHoldIt() {
    QFETCH(TKeySlot, wanted);
    QFETCH(TKeySlot, held);
    QFETCH(Kind, kind);
    QCOMPARE(TKeyDifference::Classify(wanted, held), kind);
}

void tst_TKeyComparison::shouldListTheDifferencesOfBothTablesWithTheirCounts() {
    TKeyTables list = emptyTables();
    TKeyTables controller = emptyTables();
    list.master.SetSlot(0, key(true, QStringLiteral("0000000000AA"), QStringLiteral("Installer")));
    controller.master.SetSlot(0, key(true, QStringLiteral("0000000000AA"), QStringLiteral("Installer")));
    list.master.SetSlot(3, key(true, QStringLiteral("0000000000BB")));
    controller.slave.SetSlot(7, key(true, QStringLiteral("0000000000CC"), QStringLiteral("Lost key")));
    list.slave.SetSlot(127, key(true, QStringLiteral("0000000000DD"), QStringLiteral("new")));
    controller.slave.SetSlot(127, key(true, QStringLiteral("0000000000DD"), QStringLiteral("old")));

    const TKeyComparison comparison(list, controller);
    QCOMPARE(comparison.AllSlots().size(), 136);
    const QList<TKeyDifference> rows = comparison.Differences();
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows[0].table, Table::Master);
    QCOMPARE(rows[0].Number(), 4);
    QCOMPARE(rows[0].kind, Kind::KeyAdded);
    QCOMPARE(rows[1].table, Table::Slave);
    QCOMPARE(rows[1].slot, 7);
    QCOMPARE(rows[1].kind, Kind::KeyRemoved);
    QCOMPARE(rows[1].held.memo, QStringLiteral("Lost key"));
    QCOMPARE(rows[2].slot, 127);
    QCOMPARE(rows[2].kind, Kind::NoteChanged);
    QCOMPARE(rows[2].wanted.memo, QStringLiteral("new"));
    QCOMPARE(comparison.DifferenceCount(), 3);
    QCOMPARE(comparison.Count(Kind::KeyAdded), 1);
    QCOMPARE(comparison.Count(Kind::CodeChanged), 0);
    QCOMPARE(comparison.CountsText(),
             QStringLiteral("3 differences: 1 key added, 1 key removed, 1 note changed"));
    QCOMPARE(TKeyComparison(list, list).CountsText(), QStringLiteral("No differences"));
}

void tst_TKeyComparison::shouldReportUnreadSlotsAndLeaveInvalidTablesOut() {
    TKeyTables list = emptyTables();
    TKeyTables controller = emptyTables();
    controller.slave.Forget(12);
    TKeyComparison comparison(list, controller);
    QCOMPARE(comparison.DifferenceCount(), 1);
    QCOMPARE(comparison.Differences().first().kind, Kind::NotRead);
    QCOMPARE(comparison.Differences().first().slot, 12);

    // A snapshot that holds only the master table says nothing about the slave table.
    TKeyTables snapshot = emptyTables();
    snapshot.slave.Forget(0);
    controller.slave.SetSlot(12, key(true, QStringLiteral("00000000000E")));
    comparison = TKeyComparison(snapshot, controller);
    QVERIFY(comparison.Compared(Table::Master));
    QVERIFY(!comparison.Compared(Table::Slave));
    QCOMPARE(comparison.AllSlots().size(), 8);
    QCOMPARE(comparison.DifferenceCount(), 0);
}

void tst_TKeyComparison::shouldSeeAHeaderSerialMismatchOnlyWhenBothAreKnown_data() {
    QTest::addColumn<QString>("listSerial");
    QTest::addColumn<QString>("controllerSerial");
    QTest::addColumn<bool>("mismatch");
    QTest::newRow("same") << "VT000417"
                          << "VT000417" << false;
    QTest::newRow("same, padded in the file") << "VT000417  "
                                              << "VT000417" << false;
    QTest::newRow("other controller") << "VT000001"
                                      << "VT000417" << true;
    QTest::newRow("new list") << "<unknown>"
                              << "VT000417" << false;
    QTest::newRow("blank header") << ""
                                  << "VT000417" << false;
    QTest::newRow("controller serial not read") << "VT000001"
                                                << "<unknown>" << false;
}

void tst_TKeyComparison::shouldSeeAHeaderSerialMismatchOnlyWhenBothAreKnown() {
    QFETCH(QString, listSerial);
    QFETCH(QString, controllerSerial);
    QFETCH(bool, mismatch);
    const TKeyComparison comparison(emptyTables(listSerial), emptyTables(controllerSerial));
    QCOMPARE(comparison.SerialMismatch(), mismatch);
    QCOMPARE(comparison.SerialMismatchText().startsWith(
                 QStringLiteral("This key list was saved from controller %1").arg(listSerial.trimmed())),
             mismatch);
}

void tst_TKeyComparison::shouldWarnBeforeWritingDangerousTables_data() {
    QTest::addColumn<bool>("masterActive");
    QTest::addColumn<QString>("slaveCode0");
    QTest::addColumn<QString>("slaveCode1");
    QTest::addColumn<bool>("writesMaster");
    QTest::addColumn<QStringList>("expected"); // the start of each warning, in order
    const QString master = QStringLiteral("0000000000AA");
    const QString other = QStringLiteral("0000000000BB");
    QTest::newRow("safe") << true << other << QStringLiteral("0000000000CC") << true << QStringList();
    QTest::newRow("no active master key written")
        << false << other << QStringLiteral("0000000000CC") << true << QStringList{"No active master key"};
    QTest::newRow("master table not written: not judged")
        << false << other << QStringLiteral("0000000000CC") << false << QStringList();
    QTest::newRow("slave code equals a master code")
        << true << master.toLower() << other << false
        << QStringList{"The slave key 0000000000AA is also a master key (master #1, slave #1)"};
    QTest::newRow("code twice in the slave table")
        << true << other << other << false
        << QStringList{"The key 0000000000BB appears more than once (slave #1, slave #2)"};
}

void tst_TKeyComparison::shouldWarnBeforeWritingDangerousTables() {
    QFETCH(bool, masterActive);
    QFETCH(QString, slaveCode0);
    QFETCH(QString, slaveCode1);
    QFETCH(bool, writesMaster);
    QFETCH(QStringList, expected);
    TKeyTables after = emptyTables();
    after.master.SetSlot(0, key(masterActive, QStringLiteral("0000000000AA")));
    after.slave.SetSlot(0, key(true, slaveCode0));
    after.slave.SetSlot(1, key(true, slaveCode1));
    const QStringList warnings = TWriteWarnings::Check(after, writesMaster, true);
    QCOMPARE(warnings.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        QVERIFY2(warnings[i].startsWith(expected[i]), qPrintable(warnings[i]));
    QCOMPARE(TWriteWarnings::Question(warnings).isEmpty(), expected.isEmpty());
}

void tst_TKeyComparison::shouldShowAndExportTheDifferencesOrEverySlot() {
    TKeyTables list = emptyTables();
    TKeyTables controller = emptyTables();
    list.slave.SetSlot(9, key(true, QStringLiteral("0000000000aa"), QStringLiteral("Flat 10, \"top\"")));
    controller.slave.Forget(20);
    TDifferenceTableModel model;
    model.SetComparison(TKeyComparison(list, controller));
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.data(model.index(0, TDifferenceTableModel::NumberCol)).toString(), QStringLiteral("10"));
    QCOMPARE(model.data(model.index(0, TDifferenceTableModel::WantedCode)).toString(),
             QStringLiteral("0000000000AA"));
    QCOMPARE(model.data(model.index(0, TDifferenceTableModel::HeldCode)).toString(),
             QStringLiteral("<EMPTY>"));
    QCOMPARE(model.data(model.index(1, TDifferenceTableModel::HeldCode)).toString(), QStringLiteral("?"));
    QCOMPARE(model.data(model.index(1, TDifferenceTableModel::KindCol)).toString(),
             QStringLiteral("not read"));
    model.SetShowAll(true);
    QCOMPARE(model.rowCount(), 136);

    model.SetShowAll(false);
    const QList<QByteArray> lines = TDifferenceCsv::Text(model).split('\n');
    QCOMPARE(lines.size(), 4); // header, two rows, the end of the last line
    QCOMPARE(lines[0],
             QByteArray("\"Table\",\"#\",\"Key list: key code\",\"Active\",\"Note\",\"Controller: key code\","
                        "\"Active\",\"Note\",\"Difference\"\r"));
    QCOMPARE(lines[1],
             QByteArray("\"Slave\",\"10\",\"0000000000AA\",\"Yes\",\"Flat 10, \"\"top\"\"\",\"<EMPTY>\","
                        "\"No\",\"\",\"key added\"\r"));

    QTemporaryDir dir;
    QString error;
    QVERIFY(TDifferenceCsv::Write(model, dir.filePath(QStringLiteral("d.csv")), &error));
    QVERIFY(!TDifferenceCsv::Write(model, dir.filePath(QStringLiteral("missing/d.csv")), &error));
    QVERIFY(!error.isEmpty());

    // On a full disk the earlier file stays whole and the failure is told.
    QFile earlier(dir.filePath(QStringLiteral("d.csv")));
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    const QByteArray before = earlier.readAll();
    earlier.close();
    error.clear();
    {
        const TFileSizeLimit full(64);
        QVERIFY(!TDifferenceCsv::Write(model, earlier.fileName(), &error));
    }
    QVERIFY(!error.isEmpty());
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll(), before);
}

QTEST_GUILESS_MAIN(tst_TKeyComparison)
#include "tst_TKeyComparison.moc"
