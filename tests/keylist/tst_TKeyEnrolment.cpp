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
        QCOMPARE(rows[0].keyCode, QStringLiteral("000000000006"));
        QCOMPARE(rows[0].memo, QStringLiteral("n6"));
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
        QCOMPARE(after[0].keyCode, QStringLiteral("<EMPTY>"));
        QVERIFY(!after[0].active);
        QCOMPARE(after[7].keyCode, QStringLiteral("<EMPTY>"));
        QCOMPARE(after[6].keyCode, QStringLiteral("000000000004"));
        QVERIFY(enrolment.CanUndo());
    }

    void shouldRefuseANoteTheControllerCannotGiveBack_data() {
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("stored"); // empty: refused
        QTest::newRow("y diaeresis") << QString::fromUtf8("L'Ha\u00FF-les-Roses") << "";
        QTest::newRow("decomposed y diaeresis") << QString::fromUtf8("L'Hay\u0308-les-Roses") << "";
        QTest::newRow("decomposed u umlaut")
            << QString::fromUtf8("Mu\u0308ller") << QString::fromUtf8("M\u00FCller");
    }
    void shouldRefuseANoteTheControllerCannotGiveBack() {
        QFETCH(QString, note);
        QFETCH(QString, stored);
        TKeyListFixture f;
        f.newList();
        TKeyEnrolment enrolment(f.store, f.slave);
        const auto result = enrolment.Enrol(QStringLiteral("2BC5FB000000"), note);
        QCOMPARE(result.ok, !stored.isEmpty());
        const auto rows = TKeyListRows::Read(f.slave);
        if (stored.isEmpty()) {
            QVERIFY2(result.message.contains(QString::fromUtf8("\"\u00FF\"")), qPrintable(result.message));
            QCOMPARE(rows[0].keyCode, QStringLiteral("<EMPTY>"));
        } else {
            QCOMPARE(rows[0].memo, stored);
        }
    }
};

QTEST_GUILESS_MAIN(tst_TKeyEnrolment)
#include "tst_TKeyEnrolment.moc"
