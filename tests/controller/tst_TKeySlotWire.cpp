#include "controller/TKeySlotWire.h"

#include <QtTest>

namespace {
QByteArray range(const TFrame& frame, int from, int count) {
    return QByteArray(reinterpret_cast<const char*>(frame.data()) + from, count);
}

TFrame sentinelFrame() {
    TFrame frame;
    frame.fill(0x11);
    return frame;
}
} // namespace

class tst_TKeySlotWire : public QObject {
    Q_OBJECT

private slots:
    void shouldConvertKeyCodesPairByPair_data();
    void shouldConvertKeyCodesPairByPair();
    void shouldPadTheNoteWithZeroBytes_data();
    void shouldPadTheNoteWithZeroBytes();
    void shouldEncodeAnActiveKey();
    void shouldEncodeAnInactiveKeyWhateverItsCodeAndNote();
    void shouldDecodeAnActiveSlot();
    void shouldDecodeAnyOtherStatusAsEmpty_data();
    void shouldDecodeAnyOtherStatusAsEmpty();
    void shouldRoundTripEveryNoteByte();
};

void tst_TKeySlotWire::shouldConvertKeyCodesPairByPair_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QByteArray>("stored"); // offsets 7..12 afterwards
    QTest::newRow("lower case") << "0123456789ab" << true << QByteArray::fromHex("0123456789AB");
    QTest::newRow("upper case") << "FEDCBA987654" << true << QByteArray::fromHex("FEDCBA987654");
    QTest::newRow("too short") << "0123456789A" << false << QByteArray(6, 0x11);
    QTest::newRow("too long") << "0123456789ABC" << false << QByteArray(6, 0x11);
    QTest::newRow("empty marker") << "<EMPTY>" << false << QByteArray(6, 0x11);
    QTest::newRow("bad third pair") << "0123zz6789AB" << false
                                    << QByteArray::fromHex("0123111111111111").left(6);
    QTest::newRow("sign is not a digit") << "+1234567890A" << false << QByteArray(6, 0x11);
    QTest::newRow("blank is not a digit")
        << "01 23456789A" << false << QByteArray::fromHex("01") + QByteArray(5, 0x11);
}

void tst_TKeySlotWire::shouldConvertKeyCodesPairByPair() {
    QFETCH(QString, text);
    QFETCH(bool, result);
    QFETCH(QByteArray, stored);
    TFrame frame = sentinelFrame();
    QCOMPARE(KeyCodeToBytes(frame, text), result);
    QCOMPARE(range(frame, 7, 6), stored);
    QCOMPARE(range(frame, 0, 7), QByteArray(7, 0x11));
    QCOMPARE(range(frame, 13, 26), QByteArray(26, 0x11));
}

void tst_TKeySlotWire::shouldPadTheNoteWithZeroBytes_data() {
    QTest::addColumn<QString>("note");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("empty") << "" << QByteArray(25, '\0');
    QTest::newRow("Door") << "Door" << QByteArray("Door") + QByteArray(21, '\0');
    QTest::newRow("25 characters") << "ABCDEFGHIJKLMNOPQRSTUVWXY" << QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXY");
    QTest::newRow("longer cut to 25")
        << "ABCDEFGHIJKLMNOPQRSTUVWXYZ12" << QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXY");
    QTest::newRow("code page") << QString::fromUtf8("K\u00F6\u20AC")
                               << QByteArray("K\xF6\x80") + QByteArray(22, '\0');
}

void tst_TKeySlotWire::shouldPadTheNoteWithZeroBytes() {
    QFETCH(QString, note);
    QFETCH(QByteArray, stored);
    TFrame frame = sentinelFrame();
    QVERIFY(MemoToBytes(frame, note));
    QCOMPARE(range(frame, 13, 25), stored);
    QCOMPARE(range(frame, 0, 13), QByteArray(13, 0x11));
    QCOMPARE(frame[38], 0x11);
}

void tst_TKeySlotWire::shouldEncodeAnActiveKey() {
    TFrame frame = sentinelFrame();
    TKeySlot key;
    key.keyId = 300;
    key.active = true;
    key.keyCode = QStringLiteral("0123456789ab");
    key.memo = QStringLiteral("Door");
    // the key number is the slot written, whatever KEYID holds
    EncodeSlot(frame, 4, key);
    QCOMPARE(range(frame, 5, 33),
             QByteArray::fromHex("045A0123456789AB") + QByteArray("Door") + QByteArray(21, '\0'));
}

void tst_TKeySlotWire::shouldEncodeAnInactiveKeyWhateverItsCodeAndNote() {
    TFrame frame = sentinelFrame();
    TKeySlot key;
    key.keyId = 7;
    key.active = false;
    key.keyCode = QStringLiteral("0123456789AB");
    key.memo = QStringLiteral("still here");
    EncodeSlot(frame, 7, key);
    QCOMPARE(range(frame, 5, 33), QByteArray::fromHex("07A5") + QByteArray(31, '\xFF'));
}

void tst_TKeySlotWire::shouldDecodeAnActiveSlot() {
    TFrame reply;
    reply.fill(0xFF);
    const QByteArray record =
        QByteArray::fromHex("FF5A0123456789AB") + QByteArray("Door") + QByteArray(21, '\0');
    std::copy(record.begin(), record.end(), reply.begin() + 5);
    const TKeySlot key = DecodeSlot(reply, 6, QStringLiteral("M"));
    QCOMPARE(key.recId, 7); // "#", counted from 1
    QCOMPARE(key.keyId, 6); // the slot asked for, not the 0xFF of byte 5
    QCOMPARE(key.keyType, QStringLiteral("M"));
    QVERIFY(key.active);
    QCOMPARE(key.keyCode, QStringLiteral("0123456789AB"));
    QCOMPARE(key.memo, QStringLiteral("Door"));
}

void tst_TKeySlotWire::shouldDecodeAnyOtherStatusAsEmpty_data() {
    QTest::addColumn<int>("status");
    QTest::newRow("A5") << 0xA5;
    QTest::newRow("00") << 0x00;
    QTest::newRow("5B") << 0x5B;
    QTest::newRow("FF") << 0xFF;
}

void tst_TKeySlotWire::shouldDecodeAnyOtherStatusAsEmpty() {
    QFETCH(int, status);
    TFrame reply;
    reply.fill(0x41);
    reply[5] = 0x7F;
    reply[6] = static_cast<unsigned char>(status);
    const TKeySlot key = DecodeSlot(reply, 127, QStringLiteral("S"));
    QCOMPARE(key.recId, 128);
    QCOMPARE(key.keyId, 127);
    QCOMPARE(key.keyType, QStringLiteral("S"));
    QVERIFY(!key.active);
    QCOMPARE(key.keyCode, QStringLiteral("<EMPTY>"));
    QVERIFY(key.memo.isEmpty());
}

void tst_TKeySlotWire::shouldRoundTripEveryNoteByte() {
    // Every byte but 0x00 and 0xFF survives a write and a read, in 25-byte notes.
    for (int start = 1; start < 255; start += 25) {
        QByteArray raw;
        for (int b = start; b < start + 25 && b < 255; ++b)
            raw.append(char(b));
        TFrame frame;
        frame.fill(0xFF);
        std::copy(raw.begin(), raw.end(), frame.begin() + 13);
        frame[6] = 0x5A;
        const TKeySlot read = DecodeSlot(frame, 0, QStringLiteral("S"));
        QCOMPARE(read.memo.size(), raw.size());
        TFrame written;
        written.fill(0x11);
        MemoToBytes(written, read.memo);
        QCOMPARE(range(written, 13, raw.size()), raw);
    }
}

QTEST_GUILESS_MAIN(tst_TKeySlotWire)
#include "tst_TKeySlotWire.moc"
