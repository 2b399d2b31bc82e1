#include "keys/TKeySlot.h"

#include <QTest>

namespace {
TKeySlot slaveKey() {
    TKeySlot key;
    key.recId = 5;
    key.keyId = 4;
    key.keyType = QStringLiteral("S");
    key.active = true;
    key.keyCode = QStringLiteral("2BC5FB000000");
    key.memo = QStringLiteral("Flat 3");
    key.recNo = 14;
    return key;
}
} // namespace

Q_DECLARE_METATYPE(TKeySlot)

class tst_TKeySlot : public QObject {
    Q_OBJECT
private slots:
    // A slot marked as not read may still hold a key on the controller: it never counts as empty.
    void shouldTellWhetherASlotHoldsAKey_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("holds");
        QTest::newRow("a code") << "2BC5FB000000" << true;
        QTest::newRow("empty marker") << "<EMPTY>" << false;
        QTest::newRow("nothing") << "" << false;
        QTest::newRow("not read") << "<UNREAD>" << true;
        QTest::newRow("whatever the file holds") << "2BC5" << true;
    }
    void shouldTellWhetherASlotHoldsAKey() {
        QFETCH(QString, code);
        QFETCH(bool, holds);
        TKeySlot key = slaveKey();
        key.keyCode = code;
        QCOMPARE(key.HasKey(), holds);
    }

    // The same key is the same code, status and note, wherever the slot lies.
    void shouldCompareTheKeyNotItsPlace_data() {
        QTest::addColumn<TKeySlot>("other");
        QTest::addColumn<bool>("same");
        const auto changed = [](auto change) {
            TKeySlot key = slaveKey();
            change(key);
            return key;
        };
        QTest::newRow("itself") << slaveKey() << true;
        QTest::newRow("another place") << changed([](TKeySlot& k) {
            k.recId = 9;
            k.keyId = 8;
            k.keyType = QStringLiteral("M");
            k.recNo = 3;
        }) << true;
        QTest::newRow("another code")
            << changed([](TKeySlot& k) { k.keyCode = QStringLiteral("2BC5FB000001"); }) << false;
        QTest::newRow("code in lower case")
            << changed([](TKeySlot& k) { k.keyCode = k.keyCode.toLower(); }) << false;
        QTest::newRow("inactive") << changed([](TKeySlot& k) { k.active = false; }) << false;
        QTest::newRow("another note")
            << changed([](TKeySlot& k) { k.memo = QStringLiteral("Flat 3 "); }) << false;
    }
    void shouldCompareTheKeyNotItsPlace() {
        QFETCH(TKeySlot, other);
        QFETCH(bool, same);
        QCOMPARE(slaveKey().SameKey(other), same);
        QCOMPARE(other.SameKey(slaveKey()), same);
    }
};

QTEST_GUILESS_MAIN(tst_TKeySlot)
#include "tst_TKeySlot.moc"
