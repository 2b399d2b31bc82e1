#include "keylist/TKeyEnrolment.h"
#include "keylist/TKeyListRows.h"
#include "tests/keylist/KeyListFixture.h"
#include "tests/keylist/TFakeKeyListHost.h"

#include <QTest>

class tst_TKeyEnrolment : public QObject {
    Q_OBJECT
private slots:
    // Master page: row 1 holds a key and is current. Keys touched in turn fill row 2, 3, ...
    // and after the last row wrap round to row 0; a key already held anywhere is refused.
    void shouldFillTheCurrentOrNextEmptySlotAndRefuseKnownKeys() {
        TKeyListFixture f;
        f.newList();
        TKeyListFixture::goRow(f.master, 1);
        TKeyListFixture::setKey(f.master, QStringLiteral("AAAAAAAAAAAA"), true, QString());
        TKeyListFixture::goRow(f.slave, 9);
        TKeyListFixture::setKey(f.slave, QStringLiteral("BBBBBBBBBBBB"), false, QString());
        TKeyListFixture::goRow(f.master, 1);
        f.host.KeyList().SetModified(false);
        TKeyEnrolment enrolment(f.store, f.master);

        QStringList placed;
        for (int i = 0; i < 7; ++i) {
            const auto result =
                enrolment.Enrol(QStringLiteral("00000000000%1").arg(i), QStringLiteral("n%1").arg(i));
            QVERIFY2(result.ok, qPrintable(result.message));
            placed << QString::number(result.record.recId);
            QCOMPARE(f.master.RecNo(), result.record.recNo); // the grid follows
        }
        QCOMPARE(placed, QStringList({"3", "4", "5", "6", "7", "8", "1"}));
        QVERIFY(f.host.KeyList().Modified());
        const auto rows = TKeyListRows::Read(f.master);
        QCOMPARE(rows[0].code, QStringLiteral("000000000006"));
        QCOMPARE(rows[0].note, QStringLiteral("n6"));
        QVERIFY(rows[0].active);

        const auto full = enrolment.Enrol(QStringLiteral("CCCCCCCCCCCC"), QString());
        QVERIFY(!full.ok);
        QVERIFY2(full.message.contains(QStringLiteral("no empty slot")), qPrintable(full.message));
        const auto known = enrolment.Enrol(QStringLiteral("BBBBBBBBBBBB"), QString());
        QVERIFY(!known.ok);
        QVERIFY2(known.message.contains(QStringLiteral("slave key #10")), qPrintable(known.message));

        // Undo gives the slots back what they held, the last enrolled first.
        QCOMPARE(enrolment.Undo().recId, 1);
        QCOMPARE(enrolment.Undo().recId, 8);
        const auto after = TKeyListRows::Read(f.master);
        QCOMPARE(after[0].code, QStringLiteral("<EMPTY>"));
        QVERIFY(!after[0].active);
        QCOMPARE(after[7].code, QStringLiteral("<EMPTY>"));
        QCOMPARE(after[6].code, QStringLiteral("000000000004"));
        QVERIFY(enrolment.CanUndo());
    }
};

QTEST_GUILESS_MAIN(tst_TKeyEnrolment)
#include "tst_TKeyEnrolment.moc"
