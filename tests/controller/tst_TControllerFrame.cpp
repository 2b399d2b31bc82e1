#include "controller/TControllerFrame.h"

#include <QtTest>

namespace {
QByteArray bytesOf(const TFrame& frame, int count) {
    return QByteArray(reinterpret_cast<const char*>(frame.data()), count);
}
} // namespace

class tst_TControllerFrame : public QObject {
    Q_OBJECT

private slots:
    void shouldChecksumTheFixedFrames();
    void shouldGiveFFWhenTheSumIsAMultipleOf256();
    void shouldBuildEveryRequestOfTheCommandTable_data();
    void shouldBuildEveryRequestOfTheCommandTable();
    void shouldBuildInformationWriteWithItsChecksum();
    void shouldLeaveUnsetBytesAtFF();
    void shouldKeepSequenceZeroInFixedFrames();
};

void tst_TControllerFrame::shouldChecksumTheFixedFrames() {
    TFrame frame;
    FillFrame(frame);
    frame[0] = 0xAA;
    frame[1] = 0x03;
    frame[2] = 0x00;
    frame[3] = 0xC3;
    QCOMPARE(FrameChecksum(frame, 4), 0x8F);
    frame[3] = 0xC4;
    QCOMPARE(FrameChecksum(frame, 4), 0x8E);
}

void tst_TControllerFrame::shouldGiveFFWhenTheSumIsAMultipleOf256() {
    TFrame frame;
    // AA + 03 + BA + 99 = 0x200
    QCOMPARE(BuildVersionRequest(frame, 0xBA), 5);
    QCOMPARE(frame[4], 0xFF);
    FillFrame(frame);
    frame[0] = 0x80;
    frame[1] = 0x80;
    QCOMPARE(FrameChecksum(frame, 2), 0xFF);
}

void tst_TControllerFrame::shouldBuildEveryRequestOfTheCommandTable_data() {
    QTest::addColumn<int>("request");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("firmware version, seq 07") << 0 << QByteArray::fromHex("AA030799B2");
    QTest::newRow("serial number, seq 01") << 1 << QByteArray::fromHex("AA0401C4018B");
    QTest::newRow("information read, seq 02") << 2 << QByteArray::fromHex("AA0402C2018C");
    QTest::newRow("master slot 5, seq 03") << 3 << QByteArray::fromHex("AA0503C0010587");
    QTest::newRow("slave slot 127, seq 04") << 4 << QByteArray::fromHex("AA0504C1017F0B");
    QTest::newRow("closing frame") << 5 << QByteArray::fromHex("AA0300C38F");
    QTest::newRow("line test") << 6 << QByteArray::fromHex("AA0300C48E");
}

void tst_TControllerFrame::shouldBuildEveryRequestOfTheCommandTable() {
    QFETCH(int, request);
    QFETCH(QByteArray, expected);
    TFrame frame;
    int size = 0;
    switch (request) {
    case 0:
        size = BuildVersionRequest(frame, 0x07);
        break;
    case 1:
        size = BuildSerialRequest(frame, 0x01);
        break;
    case 2:
        size = BuildInfoReadRequest(frame, 0x02);
        break;
    case 3:
        size = BuildSlotReadRequest(frame, 0x03, 0xC0, 5);
        break;
    case 4:
        size = BuildSlotReadRequest(frame, 0x04, 0xC1, 127);
        break;
    case 5:
        size = BuildClosingFrame(frame);
        break;
    case 6:
        size = BuildLineTestFrame(frame);
        break;
    }
    QCOMPARE(bytesOf(frame, size), expected);
    QCOMPARE(int(frame[1]), size - 2);
}

void tst_TControllerFrame::shouldBuildInformationWriteWithItsChecksum() {
    unsigned char info[32];
    std::fill_n(info, 32, 0xFF);
    std::memcpy(info, "ABCD", 4);
    info[4] = 0x00;
    TFrame frame;
    QCOMPARE(BuildInfoWriteRequest(frame, 0x09, info), 38);
    QCOMPARE(bytesOf(frame, 38), QByteArray::fromHex("AA2409C2004142434400") + QByteArray(27, '\xFF') +
                                     QByteArray::fromHex("77"));
}

void tst_TControllerFrame::shouldLeaveUnsetBytesAtFF() {
    TFrame frame;
    frame.fill(0x00);
    BuildSlotReadRequest(frame, 0, 0xC0, 0);
    for (int i = 7; i < FrameBufferSize; ++i)
        QCOMPARE(frame[i], 0xFF);
    BuildSlotWriteHeader(frame, 0xC1);
    QCOMPARE(bytesOf(frame, 5), QByteArray::fromHex("AA25FFC100"));
    for (int i = 5; i < FrameBufferSize; ++i)
        QCOMPARE(frame[i], 0xFF);
}

void tst_TControllerFrame::shouldKeepSequenceZeroInFixedFrames() {
    TFrame frame;
    frame.fill(0x33);
    BuildClosingFrame(frame);
    QCOMPARE(frame[2], 0x00);
    BuildLineTestFrame(frame);
    QCOMPARE(frame[2], 0x00);
}

QTEST_GUILESS_MAIN(tst_TControllerFrame)
#include "tst_TControllerFrame.moc"
