#include "tools/ctrlsim/TControllerSim.h"

#include <QTemporaryDir>
#include <QtTest>

#include <fstream>

namespace {
using Bytes = TControllerSim::Bytes;

Bytes frame(Bytes bytes) {
    bytes.push_back(TControllerSim::Checksum(bytes, bytes.size()));
    return bytes;
}
} // namespace

class tst_TControllerSim : public QObject {
    Q_OBJECT

private slots:
    void shouldKeepItsMemoryThroughAFile();
    void shouldRefuseABrokenMemoryFileAndKeepWhatItHeld_data();
    void shouldRefuseABrokenMemoryFileAndKeepWhatItHeld();
    void shouldStoreAWrittenSlotUnderItsKeyNumber();
    void shouldNotStoreAWriteItRefused();
    void shouldIgnoreRequestsWithABadChecksum();
    void shouldParseFaultTargets_data();
    void shouldParseFaultTargets();
    void shouldFaultOnlyTheCountAskedFor();
    void shouldDelayEveryAnswerWithinTheRangeAskedFor_data();
    void shouldDelayEveryAnswerWithinTheRangeAskedFor();
};

void tst_TControllerSim::shouldKeepItsMemoryThroughAFile() {
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("ctrl.mem")).toStdString();
    TControllerSim sim;
    sim.version = "TARVK02"; // shorter codes are blank padded
    sim.slave[127] = TControllerSim::ActiveSlot(127, "FFEEDDCCBBAA", "\x80\x01 last");
    sim.info[31] = 0x00;
    std::string error;
    QVERIFY(sim.Save(path, error));
    TControllerSim loaded;
    loaded.Clear();
    QVERIFY2(loaded.Load(path, error), error.c_str());
    QCOMPARE(loaded.version, std::string("TARVK02 "));
    QVERIFY(loaded.serial == sim.serial);
    QVERIFY(loaded.info == sim.info);
    QVERIFY(loaded.master == sim.master);
    QVERIFY(loaded.slave == sim.slave);
}

void tst_TControllerSim::shouldRefuseABrokenMemoryFileAndKeepWhatItHeld_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("not hex") << QByteArray("serial 5654303030343XYZ\n");
    QTest::newRow("slot out of range") << QByteArray("M 8 ") + QByteArray(66, '0') + "\n";
    QTest::newRow("short record") << QByteArray("S 3 00A5\n");
    QTest::newRow("unknown line") << QByteArray("hello\n");
}

void tst_TControllerSim::shouldRefuseABrokenMemoryFileAndKeepWhatItHeld() {
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("ctrl.mem")).toStdString();
    std::ofstream(path) << content.toStdString();
    TControllerSim sim;
    const auto before = sim.slave;
    std::string error;
    QVERIFY(!sim.Load(path, error));
    QVERIFY(!error.empty());
    QVERIFY(sim.slave == before);
    QVERIFY(!sim.Load(dir.filePath(QStringLiteral("missing")).toStdString(), error));
}

void tst_TControllerSim::shouldStoreAWrittenSlotUnderItsKeyNumber() {
    TControllerSim sim;
    Bytes request{0xAA, 0x25, 0x10, 0xC1, 0x00, 0x2C, 0x5A, 1, 2, 3, 4, 5, 6};
    request.resize(38, 0x00);
    const auto answer = sim.Respond(frame(request));
    QCOMPARE(answer.bytes, Bytes{0x5A});
    QCOMPARE(int(sim.slave[0x2C][2]), 1);
    QCOMPARE(int(sim.slave[0x2C][1]), 0x5A);
    // and reads it back in a 39-byte reply
    const auto reply = sim.Respond(frame({0xAA, 0x05, 0x11, 0xC1, 0x01, 0x2C}));
    QCOMPARE(int(reply.bytes.size()), 1 + 39);
    QCOMPARE(int(reply.bytes[1 + 7]), 1);
}

void tst_TControllerSim::shouldNotStoreAWriteItRefused() {
    TControllerSim sim;
    sim.SetFault(0xC0, TControllerSim::Form::Write, TControllerSim::Fault::WrongAck, 1);
    const auto before = sim.master[3];
    Bytes request{0xAA, 0x25, 0x10, 0xC0, 0x00, 0x03, 0xA5};
    request.resize(38, 0xFF);
    QCOMPARE(sim.Respond(frame(request)).bytes, Bytes{TControllerSim::Nak});
    QVERIFY(sim.master[3] == before);
    QCOMPARE(sim.Respond(frame(request)).bytes, Bytes{0x5A});
    QCOMPARE(int(sim.master[3][1]), 0xA5);
}

void tst_TControllerSim::shouldIgnoreRequestsWithABadChecksum() {
    TControllerSim sim;
    Bytes request = frame({0xAA, 0x03, 0x00, 0x99});
    request.back() ^= 1;
    QVERIFY(sim.Respond(request).bytes.empty());
    QCOMPARE(sim.refusedFrames, 1);
    QCOMPARE(sim.requests, 0);
}

void tst_TControllerSim::shouldParseFaultTargets_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("form");
    QTest::newRow("version") << "99" << true << 0x99 << int(TControllerSim::Form::Any);
    QTest::newRow("slave reads") << "c1r" << true << 0xC1 << int(TControllerSim::Form::Read);
    QTest::newRow("info writes, upper case") << "C2W" << true << 0xC2 << int(TControllerSim::Form::Write);
    QTest::newRow("line test") << "lt" << true << TControllerSim::LineTest << int(TControllerSim::Form::Any);
    QTest::newRow("unknown") << "c9" << false << 0 << 0;
    QTest::newRow("empty") << "" << false << 0 << 0;
}

void tst_TControllerSim::shouldParseFaultTargets() {
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(int, command);
    QFETCH(int, form);
    int parsed = 0;
    TControllerSim::Form parsedForm = TControllerSim::Form::Any;
    QCOMPARE(TControllerSim::ParseTarget(text.toStdString(), parsed, parsedForm), ok);
    if (ok) {
        QCOMPARE(parsed, command);
        QCOMPARE(int(parsedForm), form);
    }
}

void tst_TControllerSim::shouldFaultOnlyTheCountAskedFor() {
    TControllerSim sim;
    sim.SetFault(0x99, TControllerSim::Form::Any, TControllerSim::Fault::BadChecksum, 2);
    const Bytes request = frame({0xAA, 0x03, 0x00, 0x99});
    for (int i = 0; i < 3; ++i) {
        const Bytes answer = sim.Respond(request).bytes;
        QCOMPARE(int(answer.size()), 14);
        const Bytes reply(answer.begin() + 1, answer.end());
        QCOMPARE(TControllerSim::Checksum(reply, 12) == reply[12], i == 2);
    }
    QCOMPARE(sim.faulted, 2);
}

void tst_TControllerSim::shouldDelayEveryAnswerWithinTheRangeAskedFor_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::newRow("fixed") << "120" << true << 120 << 120;
    QTest::newRow("range") << "80-160" << true << 80 << 160;
    QTest::newRow("none") << "0" << true << 0 << 0;
    QTest::newRow("reversed") << "160-80" << false << 0 << 0;
    QTest::newRow("not a number") << "slow" << false << 0 << 0;
    QTest::newRow("negative") << "-5" << false << 0 << 0;
    QTest::newRow("empty high end") << "80-" << false << 0 << 0;
}

void tst_TControllerSim::shouldDelayEveryAnswerWithinTheRangeAskedFor() {
    QFETCH(QString, option);
    QFETCH(bool, valid);
    QFETCH(int, low);
    QFETCH(int, high);
    int minMs = -1, maxMs = -1;
    QCOMPARE(TControllerSim::ParseReplyDelay(option.toStdString(), minMs, maxMs), valid);
    if (!valid)
        return;
    QCOMPARE(minMs, low);
    QCOMPARE(maxMs, high);
    TControllerSim sim;
    sim.SetReplyDelay(minMs, maxMs, 3);
    QSet<int> seen;
    for (int i = 0; i < 200; ++i) {
        const TControllerSim::Answer answer = sim.Respond({0xAA, 0x03, 0x00, 0xC4, 0x8E});
        QCOMPARE(answer.bytes, TControllerSim::Bytes{0x5A});
        QVERIFY(answer.delayMs >= low && answer.delayMs <= high);
        seen.insert(answer.delayMs);
    }
    QCOMPARE(seen.size() > 1, high > low); // jittered when a range is asked for
    // an unanswered request stays unanswered, not late
    sim.SetFault(TControllerSim::LineTest, TControllerSim::Form::Any, TControllerSim::Fault::NoAnswer, 1);
    QCOMPARE(sim.Respond({0xAA, 0x03, 0x00, 0xC4, 0x8E}).delayMs, 0);
}

QTEST_GUILESS_MAIN(tst_TControllerSim)
#include "tst_TControllerSim.moc"
