#include "keylist/TDbfKeyView.h"
#include "keylist/TKeyListRows.h"
#include "tests/keylist/TFakeKeyListHost.h"

#include <QTest>

#include <algorithm>

class tst_TDbfKeyView : public QObject {
    Q_OBJECT
private slots:
    // What a transfer stores comes back field by field, through the view and through the rows
    // the CSV files and vtrk read.
    void shouldLoadWhatItStored_data() {
        QTest::addColumn<bool>("master");
        QTest::addColumn<int>("slot");
        QTest::addColumn<bool>("active");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("memo");
        QTest::newRow("master key") << true << 3 << true << "2BC5FB000000"
                                    << "Main door";
        QTest::newRow("slave key, code page text") << false << 127 << true << "0123456789AB"
                                                   << "Tür €5 Šõõr";
        QTest::newRow("empty slave slot") << false << 0 << false << "<EMPTY>"
                                          << "";
        QTest::newRow("slot not read") << false << 64 << true << "<UNREAD>"
                                       << "";
    }
    void shouldLoadWhatItStored() {
        QFETCH(bool, master);
        QFETCH(int, slot);
        QFETCH(bool, active);
        QFETCH(QString, code);
        QFETCH(QString, memo);
        TKeyListFixture f;
        f.newList();
        TDbfTable& table = master ? f.master : f.slave;
        TDbfKeyView view(table);
        const int recNo = view.SlotRecords().at(slot);
        const TKeySlot key{slot + 1, slot, master ? QStringLiteral("M") : QStringLiteral("S"),
                           active,   code, memo};
        view.Store(recNo, key);

        const TKeySlot loaded = view.Load(recNo);
        QCOMPARE(loaded.recId, key.recId);
        QCOMPARE(loaded.keyId, key.keyId);
        QCOMPARE(loaded.keyType, key.keyType);
        QVERIFY(loaded.SameKey(key));
        QCOMPARE(loaded.recNo, recNo);
        const QVector<TKeySlot> rows = TKeyListRows::Read(table);
        const auto row =
            std::find_if(rows.begin(), rows.end(), [&](const TKeySlot& r) { return r.recNo == recNo; });
        QVERIFY(row != rows.end());
        QVERIFY(row->SameKey(key));
        QCOMPARE(row->keyId, slot);
    }

    // Slot order is RECID order, equal RECIDs by record number, and an edit in progress counts.
    void shouldListSlotsInRecIdOrder() {
        TKeyListFixture f;
        f.newList();
        TDbfKeyView view(f.master);
        const QList<int> before = view.SlotRecords();
        QCOMPARE(before.size(), 8);
        TKeySlot last = view.Load(before[7]);
        last.recId = 0;
        view.Store(before[7], last);
        f.master.SetRecNo(before[5]);
        f.master.Edit();
        f.master.FieldByName(QStringLiteral("RECID"))->SetAsInteger(2);
        const QList<int> after = view.SlotRecords();
        QCOMPARE(after, QList<int>({before[7], before[0], before[1], before[5], before[2], before[3],
                                    before[4], before[6]}));
    }
};

QTEST_MAIN(tst_TDbfKeyView)
#include "tst_TDbfKeyView.moc"
