#include "controller/TControllerExchange.h"
#include "controller/TControllerInfo.h"
#include "controller/TControllerPortOpener.h"
#include "seams/TSleep.h"
#include "serial/ESerException.h"
#include "tests/controller/TScriptedPort.h"
#include "tests/support/TTestMessageBoxes.h"
#include "tools/ctrlsim/TControllerSim.h"

#include <QtTest>

namespace {
// The protocol pauses; the shorter waits for a late answer only advance the port's clock.
int sleeps = 0;
void countSleep(int ms) {
    TScriptedPort::ClockedSleep(ms);
    if (ms == TControllerExchange::WaitMs)
        ++sleeps;
}

QByteArray serialReply() {
    TControllerSim sim;
    const TControllerSim::Answer answer = sim.Respond({0xAA, 0x04, 0x00, 0xC4, 0x01, 0x8C});
    return QByteArray(reinterpret_cast<const char*>(answer.bytes.data()), int(answer.bytes.size()));
}
using Piece = TScriptedPort::Piece;
using Outcome = TControllerExchange::Outcome;

struct CountingOpener : TControllerPortOpener {
    int opens = 0;
    void OpenControllerPort() override { ++opens; }
};

using Fault = TControllerSim::Fault;
using Form = TControllerSim::Form;
} // namespace

class tst_TControllerExchange : public QObject {
    Q_OBJECT

    TControllerSim sim;
    TScriptedPort port;
    unsigned char sequence = 0;
    CountingOpener opener;

private slots:
    void init();
    void cleanup() { TSleep::setHandler(nullptr); }

    void shouldWaitForALateAnswerAndRetryAMissingOne_data();
    void shouldWaitForALateAnswerAndRetryAMissingOne();
    void shouldTellASilentControllerOrAPulledAdapterInOneBox_data();
    void shouldTellASilentControllerOrAPulledAdapterInOneBox();
    void shouldRetryFiveTimesSilentlyOnAWrongAcknowledge();
    void shouldShowOneBoxPerAttemptForABadReply_data();
    void shouldShowOneBoxPerAttemptForABadReply();
    void shouldKeepTheSequenceByteAcrossRetriesAndAdvanceOnSuccess();
    void shouldSendZBackOnlyAfterAnAcceptedReply();
    void shouldWrapTheSequenceAfter256SuccessfulExchanges();
    void shouldStopWithOneBoxWhenThePortRefusesTheWrite();
    void shouldDiscardInputBeforeEachAttempt();
    void shouldAcceptAVersionReplyWithAnyCommandByte();
    void shouldRecoverTheVersionQueryAfterNoiseBeforeTheAcknowledge();
    void shouldEndWithDeviceNotOpenWhenAClosedPortIsDiscarded();
    void shouldMeetAWriteErrorWhenTheVersionQueryFindsThePortClosed();
    void shouldRunCommandAttemptsUntilAcknowledged();
};

void tst_TControllerExchange::init() {
    sim = TControllerSim();
    port = TScriptedPort();
    port.playController(sim);
    sequence = 0;
    opener.opens = 0;
    sleeps = 0;
    TScriptedPort::clocked = &port;
    TSleep::setHandler(countSleep);
}

void tst_TControllerExchange::shouldWaitForALateAnswerAndRetryAMissingOne_data() {
    QTest::addColumn<QList<QList<Piece>>>("answers"); // one per attempt
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("clockMs"); // when the exchange ended
    const QByteArray reply = serialReply();
    const QList<Piece> inTime = {{40, reply}};
    QTest::newRow("in time costs the pause alone")
        << QList<QList<Piece>>{inTime} << int(Outcome::Done) << 100;
    QTest::newRow("reply completes at 350 ms")
        << QList<QList<Piece>>{{{90, reply.left(1)}, {200, reply.mid(1, 6)}, {350, reply.mid(7)}}}
        << int(Outcome::Done) << 350;
    QTest::newRow("acknowledge at 480 ms")
        << QList<QList<Piece>>{{{480, reply}}} << int(Outcome::Done) << 480;
    QTest::newRow("missing, then in time")
        << QList<QList<Piece>>{{}, inTime} << int(Outcome::Done) << 500 + 100;
    QTest::newRow("reply never completes")
        << QList<QList<Piece>>(5, QList<Piece>{Piece{60, reply.left(10)}}) << int(Outcome::Failed) << 5 * 500;
    QTest::newRow("no byte at all") << QList<QList<Piece>>(5, QList<Piece>()) << int(Outcome::Silent)
                                    << 5 * 500;
}

void tst_TControllerExchange::shouldWaitForALateAnswerAndRetryAMissingOne() {
    QFETCH(QList<QList<Piece>>, answers);
    QFETCH(int, outcome);
    QFETCH(int, clockMs);
    TTestMessageBoxes boxes;
    port.timedResponder = nullptr;
    for (const QList<Piece>& pieces : answers)
        port.answerTimed(pieces);
    sequence = 9;
    TControllerExchange exchange(port, sequence, boxes);
    TFrame request, reply;
    const int size = BuildSerialRequest(request, sequence);
    QCOMPARE(int(exchange.Query(request, size, reply, {Frame::SerialReplySize, true, true})), outcome);
    QCOMPARE(port.clockMs, clockMs);
    const QList<QByteArray> requests = port.requests();
    QCOMPARE(requests.size(), answers.size());
    for (const QByteArray& r : requests)
        QCOMPARE(quint8(r[2]), 9); // retries carry the same sequence byte
    QCOMPARE(port.discards, answers.size());
    QCOMPARE(boxes.shown.size(), 0);
    if (outcome == int(Outcome::Done))
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(reply.data()) + 5, 8), QByteArray("VT000417"));
}

void tst_TControllerExchange::shouldTellASilentControllerOrAPulledAdapterInOneBox_data() {
    QTest::addColumn<bool>("pulled");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("requests");
    QTest::newRow("silent") << false << QStringLiteral("The controller does not answer on COM7.") << 5;
    QTest::newRow("pulled") << true << QStringLiteral("The controller port COM7 was disconnected.") << 2;
}

void tst_TControllerExchange::shouldTellASilentControllerOrAPulledAdapterInOneBox() {
    QFETCH(bool, pulled);
    QFETCH(QString, text);
    QFETCH(int, requests);
    TTestMessageBoxes boxes;
    sim.SetFault(0xC4, Form::Read, Fault::NoAnswer);
    if (pulled)
        port.onRequest = [this](int n) {
            if (n == 2)
                port.hangUp();
        };
    TControllerExchange exchange(port, sequence, boxes);
    TControllerInfo info(exchange, opener);
    QString serial = QStringLiteral("before");
    QVERIFY(!info.ReadControllerSerial(serial));
    QCOMPARE(serial, QStringLiteral("before"));
    QCOMPARE(boxes.texts(), QStringList{text});
    QCOMPARE(boxes.shown.first().kind, TMessageBoxes::Kind::Error);
    QCOMPARE(port.requests().size(), requests);
    QCOMPARE(exchange.PortLost(), pulled);
    QCOMPARE(sequence, 0);
}

void tst_TControllerExchange::shouldRetryFiveTimesSilentlyOnAWrongAcknowledge() {
    TTestMessageBoxes boxes;
    sim.SetFault(0xC2, Form::Read, Fault::WrongAck);
    TControllerExchange exchange(port, sequence, boxes);
    TControllerInfo info(exchange, opener);
    QString text;
    QVERIFY(!info.ReadControllerInfo(text));
    QVERIFY(text.isEmpty());
    QCOMPARE(boxes.shown.size(), 0);
    QCOMPARE(port.requests().size(), 5);
    QCOMPARE(sleeps, 5);
    QCOMPARE(sequence, 0);
}

void tst_TControllerExchange::shouldShowOneBoxPerAttemptForABadReply_data() {
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("boxes");
    QTest::addColumn<int>("attempts");
    QTest::addColumn<bool>("read");
    QTest::newRow("bad checksum every time") << int(Fault::BadChecksum) << -1 << 5 << 5 << false;
    QTest::newRow("wrong command every time") << int(Fault::WrongCommand) << -1 << 5 << 5 << false;
    QTest::newRow("bad checksum twice") << int(Fault::BadChecksum) << 2 << 2 << 3 << true;
    QTest::newRow("wrong acknowledge four times") << int(Fault::WrongAck) << 4 << 0 << 5 << true;
    QTest::newRow("short reply once") << int(Fault::ShortReply) << 1 << 0 << 2 << true;
    QTest::newRow("reply after 300 ms") << int(Fault::LateReply) << 1 << 0 << 1 << true;
}

void tst_TControllerExchange::shouldShowOneBoxPerAttemptForABadReply() {
    QFETCH(int, fault);
    QFETCH(int, count);
    QFETCH(int, boxes);
    QFETCH(int, attempts);
    QFETCH(bool, read);
    TTestMessageBoxes shown;
    sim.SetFault(0xC4, Form::Read, Fault(fault), count);
    TControllerExchange exchange(port, sequence, shown);
    TControllerInfo info(exchange, opener);
    QString serial;
    QCOMPARE(info.ReadControllerSerial(serial), read);
    QCOMPARE(shown.shown.size(), boxes);
    for (const auto& box : shown.shown)
        QCOMPARE(box.text, QStringLiteral("Data integritatity check error."));
    QCOMPARE(port.requests().size(), attempts);
    QCOMPARE(serial, read ? QStringLiteral("VT000417") : QString());
}

void tst_TControllerExchange::shouldKeepTheSequenceByteAcrossRetriesAndAdvanceOnSuccess() {
    TTestMessageBoxes boxes;
    sequence = 41;
    sim.SetFault(0xC4, Form::Read, Fault::BadChecksum, 2);
    TControllerExchange exchange(port, sequence, boxes);
    TControllerInfo info(exchange, opener);
    QString serial;
    QVERIFY(info.ReadControllerSerial(serial));
    const QList<QByteArray> requests = port.requests();
    QCOMPARE(requests.size(), 3);
    for (const QByteArray& request : requests)
        QCOMPARE(quint8(request[2]), 41);
    QCOMPARE(sequence, 42);
}

void tst_TControllerExchange::shouldSendZBackOnlyAfterAnAcceptedReply() {
    TTestMessageBoxes boxes;
    sim.SetFault(0xC2, Form::Read, Fault::BadChecksum, 1);
    TControllerExchange exchange(port, sequence, boxes);
    TControllerInfo info(exchange, opener);
    QString text;
    QVERIFY(info.ReadControllerInfo(text));
    QCOMPARE(text, QStringLiteral("Main entrance"));
    QCOMPARE(port.writes.size(), 3);
    QCOMPARE(port.writes[0].size(), 6);
    QCOMPARE(port.writes[1].size(), 6);
    QCOMPARE(port.writes[2], QByteArray("Z"));
}

void tst_TControllerExchange::shouldWrapTheSequenceAfter256SuccessfulExchanges() {
    TTestMessageBoxes boxes;
    TControllerExchange exchange(port, sequence, boxes);
    TControllerInfo info(exchange, opener);
    for (int i = 0; i < 256; ++i) {
        QString text;
        QVERIFY(info.ReadControllerInfo(text));
    }
    QCOMPARE(sequence, 0);
    const QList<QByteArray> requests = port.requests();
    QCOMPARE(requests.size(), 256);
    for (int i = 0; i < 256; ++i)
        QCOMPARE(quint8(requests[i][2]), i);
    QCOMPARE(boxes.shown.size(), 0);
}

void tst_TControllerExchange::shouldStopWithOneBoxWhenThePortRefusesTheWrite() {
    TTestMessageBoxes boxes;
    port.failWrites = true;
    TControllerExchange exchange(port, sequence, boxes);
    TControllerInfo info(exchange, opener);
    QString version;
    QVERIFY(!info.ReadProgramVersion(version));
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Error writing data from COM port.")});
    QCOMPARE(sleeps, 0);
    QVERIFY(!info.WriteControllerInfo(QStringLiteral("x")));
    QCOMPARE(boxes.count(QStringLiteral("Error writing data from COM port.")), 2);
    QCOMPARE(sequence, 0);
}

void tst_TControllerExchange::shouldDiscardInputBeforeEachAttempt() {
    TTestMessageBoxes boxes;
    TControllerExchange exchange(port, sequence, boxes);
    TControllerInfo info(exchange, opener);
    QString text;
    port.input = QByteArray("Z\xAA\x0B"); // a late answer of an earlier request
    QVERIFY(info.ReadProgramVersion(text));
    QCOMPARE(text, QStringLiteral("TARVK001"));
    QCOMPARE(port.discards, 1);
    sim.SetFault(0xC4, Form::Read, Fault::WrongAck, 2);
    QVERIFY(info.ReadControllerSerial(text));
    QCOMPARE(port.discards, 4);
    QVERIFY(info.WriteControllerInfo(text));
    QCOMPARE(port.discards, 5);
    QCOMPARE(opener.opens, 0);
}

void tst_TControllerExchange::shouldAcceptAVersionReplyWithAnyCommandByte() {
    TTestMessageBoxes boxes;
    sim.SetFault(0x99, Form::Any, Fault::WrongCommand);
    sim.SetFault(0xC4, Form::Any, Fault::WrongCommand);
    TControllerExchange exchange(port, sequence, boxes);
    TControllerInfo info(exchange, opener);
    QString version, serial;
    QVERIFY(info.ReadProgramVersion(version));
    QCOMPARE(version, QStringLiteral("TARVK001"));
    QVERIFY(!info.ReadControllerSerial(serial));
    QCOMPARE(boxes.count(QStringLiteral("Data integritatity check error.")), 5);
}

void tst_TControllerExchange::shouldRecoverTheVersionQueryAfterNoiseBeforeTheAcknowledge() {
    TTestMessageBoxes boxes;
    sim.SetFault(0x99, Form::Any, Fault::Noise, 1);
    TControllerExchange exchange(port, sequence, boxes);
    TControllerInfo info(exchange, opener);
    QString version;
    QVERIFY(info.ReadProgramVersion(version));
    QCOMPARE(version, QStringLiteral("TARVK001"));
    QCOMPARE(port.requests().size(), 2);
    QCOMPARE(boxes.shown.size(), 0);
}

void tst_TControllerExchange::shouldEndWithDeviceNotOpenWhenAClosedPortIsDiscarded() {
    TTestMessageBoxes boxes;
    port.open = false;
    TControllerExchange exchange(port, sequence, boxes);
    TControllerInfo info(exchange, opener);
    QString text = QStringLiteral("kept");
    try {
        info.ReadControllerSerial(text);
        QFAIL("a closed port must end the routine");
    } catch (const ESerException& e) {
        QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("Device not open"));
    }
    QCOMPARE(opener.opens, 1);
    QVERIFY_THROWS_EXCEPTION(ESerException, info.ReadControllerInfo(text));
    QCOMPARE(opener.opens, 1);
    QCOMPARE(text, QStringLiteral("kept"));
    QCOMPARE(sequence, 0);
    QCOMPARE(boxes.shown.size(), 0);
}

void tst_TControllerExchange::shouldMeetAWriteErrorWhenTheVersionQueryFindsThePortClosed() {
    TTestMessageBoxes boxes;
    port.open = false;
    TControllerExchange exchange(port, sequence, boxes);
    TControllerInfo info(exchange, opener);
    QString version;
    QVERIFY(!info.ReadProgramVersion(version));
    QCOMPARE(opener.opens, 1);
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Error writing data from COM port.")});
}

void tst_TControllerExchange::shouldRunCommandAttemptsUntilAcknowledged() {
    TTestMessageBoxes boxes;
    TControllerExchange exchange(port, sequence, boxes);
    TFrame request, reply;
    const int size = BuildClosingFrame(request);
    port.answer("N");
    port.answer("N");
    port.answer("Z");
    int refused = 0;
    QCOMPARE(exchange.Command(request, size, reply, [&] { ++refused; }), TControllerExchange::Outcome::Done);
    QCOMPARE(refused, 2);
    QCOMPARE(port.writes.size(), 3);
    // an answer that never comes is a failed attempt, not a failure of the port
    port.timedResponder = nullptr;
    port.answerTimed({{30, "N"}});
    QCOMPARE(exchange.Command(request, size, reply, [&] { ++refused; }),
             TControllerExchange::Outcome::Failed);
    QCOMPARE(refused, 3);
    QCOMPARE(port.writes.size(), 3 + 5);
    QCOMPARE(exchange.Command(request, size, reply), TControllerExchange::Outcome::Silent);
    QCOMPARE(boxes.shown.size(), 0);
}

QTEST_GUILESS_MAIN(tst_TControllerExchange)
#include "tst_TControllerExchange.moc"
