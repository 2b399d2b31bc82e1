#include "serial/TSerBaseDispatcher.h"
#include "serial/TSerErrors.h"
#include "tests/serial/SerialTestHelpers.h"
#include "tests/serial/TFakeDispatcher.h"
#include "tests/support/TPtyPeer.h"

#include <QElapsedTimer>
#include <QTest>
#include <QThread>
#include <cerrno>

namespace {
constexpr int Ring = TSerBaseDispatcher::InBufferSize;
constexpr int Wait = 5000;

struct Line {
    TPtyPeer peer;
    std::unique_ptr<TSerBaseDispatcher> layer = TSerBaseDispatcher::Create();
    int result = layer->Initialise(peer.devicePath().toStdString(), 9600, pNone, 8, 1, 4096, 4096, true, true,
                                   false, false);
};

QByteArray Take(TSerBaseDispatcher& layer, int count) {
    QByteArray bytes(count, '\0');
    return layer.ReadBlock(bytes.data(), count) == count ? bytes : QByteArray();
}
} // namespace

class tst_TSerBaseDispatcher : public QObject {
    Q_OBJECT
private slots:
    void shouldRefuseReadingMoreThanHeldAndKeepArrivalOrder();
    void shouldReturnBytesStoredAcrossTheEndOfTheRingInOrder();
    void shouldStopTakingBytesWhenTheRingIsFullAndResumeAfterARead();
    void shouldQueueUpToOutSizeAndRefuseMoreWithoutQueueing();
    void shouldNeverSendBytesQueuedAtShutdown();
    void shouldEmptyTheRingOnDiscard();
    void shouldMarkAHungUpLineDeadFailCleanlyAndStopWithoutSpinning();
    void shouldWriteAWrappedRunInQueueOrder();
    void shouldShutDownWhileAWriteWaitsForRoom();
    void shouldMapSystemErrorsToResultCodes_data();
    void shouldMapSystemErrorsToResultCodes();
};

void tst_TSerBaseDispatcher::shouldRefuseReadingMoreThanHeldAndKeepArrivalOrder() {
    Line line;
    QCOMPARE(line.result, 0);
    char untouched[14];
    memset(untouched, 'x', sizeof untouched);
    QCOMPARE(line.layer->ReadBlock(untouched, 1), TSerErrors::ecBufferIsEmpty);
    QCOMPARE(untouched[0], 'x');

    const QByteArray sent = Pattern(13);
    QVERIFY(line.peer.write(sent));
    QTRY_COMPARE_WITH_TIMEOUT(line.layer->InBufferUsed(), 13, Wait);
    QCOMPARE(line.layer->ReadBlock(untouched, 14), TSerErrors::ecBufferIsEmpty);
    QCOMPARE(line.layer->InBufferUsed(), 13);
    QCOMPARE(Take(*line.layer, 13), sent);
    QCOMPARE(line.layer->InBufferUsed(), 0);
}

void tst_TSerBaseDispatcher::shouldReturnBytesStoredAcrossTheEndOfTheRingInOrder() {
    Line line;
    QCOMPARE(line.result, 0);
    QVERIFY(line.peer.write(Pattern(Ring - 2)));
    QTRY_COMPARE_WITH_TIMEOUT(line.layer->InBufferUsed(), Ring - 2, Wait);
    QCOMPARE(Take(*line.layer, Ring - 2), Pattern(Ring - 2));

    // These land at positions 8190, 8191, 0 and 1.
    const QByteArray across("\x01\x02\x03\x04", 4);
    QVERIFY(line.peer.write(across));
    QTRY_COMPARE_WITH_TIMEOUT(line.layer->InBufferUsed(), 4, Wait);
    QCOMPARE(Take(*line.layer, 4), across);
}

void tst_TSerBaseDispatcher::shouldStopTakingBytesWhenTheRingIsFullAndResumeAfterARead() {
    Line line;
    QCOMPARE(line.result, 0);
    const int extra = 300;
    const QByteArray sent = Pattern(Ring + extra);
    QVERIFY(line.peer.write(sent));
    QTRY_COMPARE_WITH_TIMEOUT(line.layer->InBufferUsed(), Ring, Wait);

    // Bytes left in the driver must not keep a worker busy while there is no room.
    const double cpuBefore = ProcessCpuMs();
    QThread::msleep(300);
    QVERIFY2(ProcessCpuMs() - cpuBefore < 100, "a worker spins while the ring is full");
    QCOMPARE(line.layer->InBufferUsed(), Ring);

    QByteArray got = Take(*line.layer, 1);
    QTRY_COMPARE_WITH_TIMEOUT(line.layer->InBufferUsed(), Ring, Wait);
    while (got.size() < sent.size()) {
        const int held = line.layer->InBufferUsed();
        if (held == 0) {
            QTRY_VERIFY_WITH_TIMEOUT(line.layer->InBufferUsed() > 0, Wait);
            continue;
        }
        got += Take(*line.layer, held);
    }
    QCOMPARE(got, sent);
}

void tst_TSerBaseDispatcher::shouldQueueUpToOutSizeAndRefuseMoreWithoutQueueing() {
    Line line;
    QCOMPARE(line.result, 0);
    line.peer.holdOutput(true);
    const QByteArray block = Pattern(4097);

    QCOMPARE(line.layer->WriteBlock(block.constData(), 0), 0);
    QCOMPARE(line.layer->WriteBlock(block.constData(), 4097), TSerErrors::ecOutputBufferTooSmall);
    QCOMPARE(line.layer->OutBufferUsed(), 0);
    QCOMPARE(line.layer->WriteBlock(block.constData(), 4096), 0);
    QVERIFY(line.layer->OutBufferFull());
    QCOMPARE(line.layer->WriteBlock(block.constData(), 1), TSerErrors::ecOutputBufferTooSmall);

    line.peer.holdOutput(false);
    QCOMPARE(line.peer.read(4096, Wait), block.left(4096));
    QTRY_COMPARE_WITH_TIMEOUT(line.layer->OutBufferUsed(), 0, Wait);
    QVERIFY(!line.layer->OutBufferFull());
    QCOMPARE(line.peer.readAll(100), QByteArray());
}

void tst_TSerBaseDispatcher::shouldNeverSendBytesQueuedAtShutdown() {
    Line line;
    QCOMPARE(line.result, 0);
    line.peer.holdOutput(true);
    QCOMPARE(line.layer->WriteBlock(Pattern(100).constData(), 100), 0);
    line.layer->Shutdown();
    line.peer.holdOutput(false);
    QCOMPARE(line.peer.readAll(200), QByteArray());
}

void tst_TSerBaseDispatcher::shouldEmptyTheRingOnDiscard() {
    Line line;
    QCOMPARE(line.result, 0);
    QVERIFY(line.peer.write(Pattern(10)));
    QTRY_COMPARE_WITH_TIMEOUT(line.layer->InBufferUsed(), 10, Wait);
    QCOMPARE(line.layer->DiscardInput(), 0);
    char byte;
    QCOMPARE(line.layer->ReadBlock(&byte, 1), TSerErrors::ecBufferIsEmpty);
    QVERIFY(line.peer.write("A"));
    QTRY_COMPARE_WITH_TIMEOUT(line.layer->InBufferUsed(), 1, Wait);
    QCOMPARE(Take(*line.layer, 1), QByteArray("A"));
}

void tst_TSerBaseDispatcher::shouldMarkAHungUpLineDeadFailCleanlyAndStopWithoutSpinning() {
    Line line;
    QCOMPARE(line.result, 0);
    QVERIFY(line.peer.write(Pattern(20)));
    QTRY_COMPARE_WITH_TIMEOUT(line.layer->InBufferUsed(), 20, Wait);
    line.peer.hangUp();
    QTRY_VERIFY_WITH_TIMEOUT(line.layer->LineDead(), Wait);

    const double cpuBefore = ProcessCpuMs();
    QThread::msleep(300);
    QVERIFY2(ProcessCpuMs() - cpuBefore < 100, "a worker spins on the dead line");

    QCOMPARE(Take(*line.layer, 20), Pattern(20));
    char byte = 0;
    QCOMPARE(line.layer->ReadBlock(&byte, 1), TSerErrors::ecBufferIsEmpty);
    QCOMPARE(line.layer->WriteBlock("x", 1), TSerErrors::ecBadId);
    QCOMPARE(line.layer->DiscardInput(), TSerErrors::ecBadId);

    QElapsedTimer timer;
    timer.start();
    line.layer->Shutdown();
    QVERIFY2(timer.elapsed() < 2000, "closing a dead line hangs");
    QVERIFY(!line.layer->WorkersRunning());
}

void tst_TSerBaseDispatcher::shouldWriteAWrappedRunInQueueOrder() {
    TFakeDispatcher layer;
    QCOMPARE(layer.Initialise("fake", 9600, pNone, 8, 1, 4096, 16, true, true, false, false), 0);
    const QByteArray first = Pattern(10);
    const QByteArray second = Pattern(10, 10);
    QCOMPARE(layer.WriteBlock(first.constData(), 10), 0);
    layer.AllowWrite(6);
    QTRY_COMPARE_WITH_TIMEOUT(layer.OutBufferUsed(), 4, Wait);
    // Send position 6, fill position 10: the next block runs over the end of the ring.
    QCOMPARE(layer.WriteBlock(second.constData(), 10), 0);
    QCOMPARE(layer.OutBufferUsed(), 14);
    layer.AllowWrite(100);
    QTRY_COMPARE_WITH_TIMEOUT(layer.OutBufferUsed(), 0, Wait);
    QCOMPARE(layer.Sent(), first + second);
}

void tst_TSerBaseDispatcher::shouldShutDownWhileAWriteWaitsForRoom() {
    TFakeDispatcher layer;
    QCOMPARE(layer.Initialise("fake", 9600, pNone, 8, 1, 4096, 4096, true, true, false, false), 0);
    QCOMPARE(layer.WriteBlock(Pattern(50).constData(), 50), 0);
    QTRY_VERIFY_WITH_TIMEOUT(layer.WriteCalls() > 0, Wait);
    QElapsedTimer timer;
    timer.start();
    layer.Shutdown();
    QVERIFY2(timer.elapsed() < 2000, "closing hangs on a pending write");
    QVERIFY(!layer.WorkersRunning());
    layer.AllowWrite(100);
    QCOMPARE(layer.Sent(), QByteArray());
}

void tst_TSerBaseDispatcher::shouldMapSystemErrorsToResultCodes_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("expected");
    QTest::newRow("missing node") << "/dev/vtrk-no-such-device" << -2;
    QTest::newRow("missing directory") << "/nonexistent-dir/ttyS0" << -2;
    QTest::newRow("not a terminal") << "/dev/null" << -ENOTTY;
}

void tst_TSerBaseDispatcher::shouldMapSystemErrorsToResultCodes() {
    QFETCH(QString, path);
    QFETCH(int, expected);
    auto layer = TSerBaseDispatcher::Create();
    QCOMPARE(layer->Initialise(path.toStdString(), 9600, pNone, 8, 1, 4096, 4096, true, true, false, false),
             expected);
    QVERIFY(!layer->WorkersRunning());
}

QTEST_GUILESS_MAIN(tst_TSerBaseDispatcher)
#include "tst_TSerBaseDispatcher.moc"
