#include "controller/TControllerCommands.h"
#include "controller/TKeySlotWire.h"
#include "keys/TKeyPlaceholder.h"
#include "seams/TSleep.h"
#include "tests/controller/TFakeControllerHost.h"
#include "tests/controller/TScriptedPort.h"
#include "tests/support/TTestMessageBoxes.h"
#include "tools/ctrlsim/TControllerSim.h"

#include <QtTest>

namespace {
using Fault = TControllerSim::Fault;
using Form = TControllerSim::Form;
using Table = TKeyTransfer::Table;

using End = TKeyTransfer::Result::End;
using Refusals = QList<QPair<int, int>>; // command byte, slot

// The simulator's answer to a request, at once.
QByteArray simAnswer(const TScriptedPort& port, const QByteArray& request) {
    return port.timedResponder(request).bytes;
}

TKeySlot keyOf(int slot, const QString& type, const QString& code, const QString& memo) {
    TKeySlot key;
    key.recId = slot;
    key.keyId = slot;
    key.keyType = type;
    key.active = code != QLatin1String(TKeyPlaceholder::EmptyCode);
    key.keyCode = code;
    key.memo = key.active ? memo : QString();
    return key;
}

// The key-list fields the simulator's slot holds.
TKeySlot simSlot(const TControllerSim& sim, Table table, int slot) {
    const auto& record = table == Table::Master ? sim.master[slot] : sim.slave[slot];
    TFrame reply;
    reply.fill(0xFF);
    std::copy(record.begin(), record.end(), reply.begin() + 5);
    return DecodeSlot(reply, slot, table == Table::Master ? QStringLiteral("M") : QStringLiteral("S"));
}

// What the controller holds of a key: the record's RECID is the key list's own.
bool sameContent(const TKeySlot& a, const TKeySlot& b) {
    return a.keyId == b.keyId && a.keyType == b.keyType && a.active == b.active && a.keyCode == b.keyCode &&
           a.memo == b.memo;
}

bool sameKey(const TKeySlot& a, const TKeySlot& b) {
    return a.recId == b.recId && sameContent(a, b);
}

QList<QByteArray> requestsOf(const TScriptedPort& port, unsigned char command) {
    QList<QByteArray> list;
    for (const QByteArray& r : port.requests())
        if (quint8(r[3]) == command)
            list.append(r);
    return list;
}
} // namespace

class tst_TKeyTransfer : public QObject {
    Q_OBJECT

    TControllerSim sim;
    TScriptedPort port;

    void fillSim();

private slots:
    void init();
    void cleanup() { TSleep::setHandler(nullptr); }

    void shouldReadEverySlotIntoItsRecordInAnyViewOrder_data();
    void shouldReadEverySlotIntoItsRecordInAnyViewOrder();
    void shouldAdvanceTheProgressBarByTheTablesStep();
    void shouldPassOverASlotWhoseAttemptsAllFail_data();
    void shouldPassOverASlotWhoseAttemptsAllFail();
    void shouldStopAtASilentControllerOrAPulledAdapter_data();
    void shouldStopAtASilentControllerOrAPulledAdapter();
    void shouldReportFailedSlotsInOneBox_data();
    void shouldReportFailedSlotsInOneBox();
    void shouldKeepSlotIdentityWhateverTheKeyNumberByteSays();
    void shouldNeverTakeALateReplyForTheNextSlot_data();
    void shouldNeverTakeALateReplyForTheNextSlot();
    void shouldNeverSendUnknownAsTheInformation();
    void shouldWriteEverySlotAndStepTheSequenceAlsoOverFailingSlots_data();
    void shouldWriteEverySlotAndStepTheSequenceAlsoOverFailingSlots();
    void shouldSendTheClosingFrameOnlyAfterAnActiveMasterKey_data();
    void shouldSendTheClosingFrameOnlyAfterAnActiveMasterKey();
    void shouldRefuseToWriteKeyCodesThatAreNotTwelveHexDigits();
    void shouldStopAtTheViewsLastRecord();
    void shouldOpenThePortWhenClosedOnlyOnce();

    void shouldCheckTheViewsBeforeReading();
    void shouldCheckTheViewsBeforeWriting();
    void shouldAskForTheInformationWriteEvenAfterCancel();
    void shouldReadAllWithTheTextsInOrder();
    void shouldWriteNoKeyButStillOfferTheInformationWhenAKeyCodeIsBad();
    void shouldBeBusyWhileATransferHandlesMessages();
};

void tst_TKeyTransfer::fillSim() {
    sim.Clear();
    for (int i = 0; i < 8; i += 3)
        sim.master[i] = TControllerSim::ActiveSlot(
            i, QStringLiteral("0A0B0C0D0E%1").arg(i, 2, 16, QLatin1Char('0')).toStdString(),
            "Master " + std::to_string(i));
    for (int i = 0; i < 128; i += 5)
        sim.slave[i] = TControllerSim::ActiveSlot(
            i, QStringLiteral("01020304%1").arg(i * 97, 4, 16, QLatin1Char('0')).toUpper().toStdString(),
            "Slave " + std::to_string(i));
}

void tst_TKeyTransfer::init() {
    sim = TControllerSim();
    fillSim();
    port = TScriptedPort();
    port.playController(sim);
    TScriptedPort::clocked = &port;
    TSleep::setHandler(TScriptedPort::ClockedSleep);
}

void tst_TKeyTransfer::shouldReadEverySlotIntoItsRecordInAnyViewOrder_data() {
    QTest::addColumn<bool>("sorted");
    QTest::newRow("slot order") << false;
    QTest::newRow("sorted by key code, descending") << true;
}

void tst_TKeyTransfer::shouldReadEverySlotIntoItsRecordInAnyViewOrder() {
    QFETCH(bool, sorted);
    TTestMessageBoxes boxes;
    TFakeControllerHost host;
    for (int i = 0; i < 128; ++i)
        host.slave.slot(i).keyCode = QStringLiteral("%1").arg(i * 31 % 128, 12, 10, QLatin1Char('0'));
    if (sorted)
        host.slave.sortByKeyCodeDescending();
    TControllerSession session(port, host, host, boxes);
    TControllerCommands commands(session, host);
    QVERIFY(session.Transfer().ReadMasterKeys(host.master).ok());
    QVERIFY(session.Transfer().ReadSlaveKeys(host.slave).ok());
    for (int i = 0; i < 8; ++i)
        QVERIFY2(sameKey(host.master.slot(i), simSlot(sim, Table::Master, i)),
                 qPrintable(QString::number(i)));
    for (int i = 0; i < 128; ++i)
        QVERIFY2(sameKey(host.slave.slot(i), simSlot(sim, Table::Slave, i)), qPrintable(QString::number(i)));
    QCOMPARE(host.slave.CurrentRecNo(), host.slave.order.first());
    QCOMPARE(session.Exchange().sequence(), 136);
    QCOMPARE(boxes.shown.size(), 0);
    // "Z" after every reply
    QCOMPARE(port.writes.count(QByteArray("Z")), 136);
}

void tst_TKeyTransfer::shouldAdvanceTheProgressBarByTheTablesStep() {
    TTestMessageBoxes boxes;
    TFakeControllerHost host;
    TControllerSession session(port, host, host, boxes);
    TControllerCommands commands(session, host);
    session.Transfer().ReadMasterKeys(host.master);
    QCOMPARE(host.progressHistory, (QList<int>{12, 24, 36, 48, 60, 72, 84, 96}));
    QCOMPARE(host.pumps, 16); // before each slot and at each step
    host.progress = 0;
    host.progressHistory.clear();
    session.Transfer().WriteSlaveKeys(host.slave);
    QCOMPARE(host.progressHistory.size(), 128);
    QCOMPARE(host.progressHistory[98], 99);
    QCOMPARE(host.progressHistory[99], 100);
    QCOMPARE(host.progressHistory.last(), 100);
}

void tst_TKeyTransfer::shouldNeverTakeALateReplyForTheNextSlot_data() {
    QTest::addColumn<int>("pauseSlot"); // one answer this much later, else -1
    QTest::addColumn<int>("pauseMs");
    QTest::addColumn<int>("lateFromMs"); // every answer late by a delay in this range
    QTest::addColumn<int>("lateToMs");
    QTest::addColumn<bool>("echoSequence");
    QTest::addColumn<bool>("echoKeyNumber");
    QTest::newRow("800 ms pause, echoes both") << 40 << 800 << 0 << 0 << true << true;
    QTest::newRow("800 ms pause, echoes nothing") << 40 << 800 << 0 << 0 << false << false;
    QTest::newRow("1900 ms pause at the first slot, echoes nothing") << 0 << 1900 << 0 << 0 << false << false;
    QTest::newRow("450-700 ms late, echoes nothing") << -1 << 0 << 450 << 700 << false << false;
    QTest::newRow("450-700 ms late, echoes the sequence") << -1 << 0 << 450 << 700 << true << false;
    QTest::newRow("450-700 ms late and a 1500 ms pause") << 77 << 1500 << 450 << 700 << false << false;
}

void tst_TKeyTransfer::shouldNeverTakeALateReplyForTheNextSlot() {
    QFETCH(int, pauseSlot);
    QFETCH(int, pauseMs);
    QFETCH(int, lateFromMs);
    QFETCH(int, lateToMs);
    QFETCH(bool, echoSequence);
    QFETCH(bool, echoKeyNumber);
    TTestMessageBoxes boxes;
    TFakeControllerHost host;
    // every slot a key of its own, so that a neighbour's key cannot pass for the right one
    for (int i = 0; i < 128; ++i) {
        sim.slave[i] = TControllerSim::ActiveSlot(
            i, QStringLiteral("0102%1").arg(i * 7919 + 1, 8, 16, QLatin1Char('0')).toUpper().toStdString(),
            "k");
        if (!echoKeyNumber)
            sim.slave[i][0] = 0xFF;
    }
    sim.echoSequence = echoSequence;
    if (pauseSlot >= 0)
        sim.PauseOnce(0xC1, pauseSlot, pauseMs);
    sim.SetReplyDelay(lateFromMs, lateToMs, 7);
    TControllerSession session(port, host, host, boxes);
    TControllerCommands commands(session, host);
    const TKeyTransfer::Result result = session.Transfer().ReadSlaveKeys(host.slave);
    QCOMPARE(result.end, End::Completed);
    QList<int> unread;
    for (int i = 0; i < 128; ++i) {
        const TKeySlot got = host.slave.slot(i);
        if (TKeyTransfer::IsUnread(got))
            unread.append(got.recId);
        else
            QVERIFY2(sameContent(got, simSlot(sim, Table::Slave, i)), qPrintable(QString::number(i)));
    }
    // what could not be read for sure is named, and nothing else
    QCOMPARE(result.failedSlots, unread);
    // a late line costs a wait, not the whole table
    QVERIFY2(unread.size() <= 2, qPrintable(QString::number(unread.size())));
}

void tst_TKeyTransfer::shouldPassOverASlotWhoseAttemptsAllFail_data() {
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("boxes");
    QTest::newRow("wrong acknowledge") << int(Fault::WrongAck) << 0;
    QTest::newRow("bad checksum") << int(Fault::BadChecksum) << 5;
    QTest::newRow("wrong command") << int(Fault::WrongCommand) << 5;
}

void tst_TKeyTransfer::shouldPassOverASlotWhoseAttemptsAllFail() {
    QFETCH(int, fault);
    QFETCH(int, boxes);
    TTestMessageBoxes shown;
    TFakeControllerHost host;
    const TKeySlot old = keyOf(1, QStringLiteral("S"), QStringLiteral("FFFFFFFFFFFF"), QStringLiteral("old"));
    host.slave.slot(0) = old; // RECID 1 keeps slot order
    sim.SetFault(0xC1, Form::Read, Fault(fault), 5);
    TControllerSession session(port, host, host, shown);
    TControllerCommands commands(session, host);
    const TKeyTransfer::Result result = session.Transfer().ReadSlaveKeys(host.slave);
    QCOMPARE(result.end, End::Completed);
    QCOMPARE(result.failedSlots, QList<int>{1});
    // never taken for empty or for what the list held: marked unread, under its own "#"
    QVERIFY(TKeyTransfer::IsUnread(host.slave.slot(0)));
    QVERIFY(host.slave.slot(0).active);
    QCOMPARE(host.slave.slot(0).recId, old.recId);
    for (int i = 1; i < 128; ++i)
        QVERIFY(sameKey(host.slave.slot(i), simSlot(sim, Table::Slave, i)));
    QCOMPARE(shown.shown.size(), boxes);
    QCOMPARE(session.Exchange().sequence(), 128);
    QCOMPARE(host.progressHistory.size(), 128);
    // the five attempts carried the same sequence byte, the next slot the following one
    const QList<QByteArray> requests = port.requests();
    for (int i = 0; i < 5; ++i)
        QCOMPARE(quint8(requests[i][2]), 0);
    QCOMPARE(quint8(requests[5][2]), 1);
    QCOMPARE(quint8(requests[5][5]), 1);
}

void tst_TKeyTransfer::shouldStopAtASilentControllerOrAPulledAdapter_data() {
    QTest::addColumn<int>("silentFrom"); // the first request left unanswered, else -1
    QTest::addColumn<int>("silentTo");
    QTest::addColumn<int>("pulledAt"); // the request after which the adapter is pulled, else -1
    QTest::addColumn<int>("requests");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QString>("box");
    const QString retry = QStringLiteral("Check the cable and repeat the command.");
    QTest::newRow("silent from the fourth slot")
        << 4 << 1000 << -1 << 3 + 10 << 5
        << QStringLiteral(
               "The controller does not answer on COM7.\rThese key slots were not read for sure:\rSlave keys "
               "#4, #5\rThe key list marks them as not read (<UNREAD>); read the controller again.\rSlave "
               "keys "
               "from #6 on were not read.\r") +
               retry;
    QTest::newRow("one silent slot, then answers again")
        << 4 << 8 << -1 << 128 + 4 << 128
        << QStringLiteral(
               "These key slots were not read for sure:\rSlave keys #4\rThe key list marks them as not read "
               "(<UNREAD>); read the controller again.\r") +
               retry;
    QTest::newRow("adapter pulled at the fourth slot")
        << -1 << -1 << 4 << 4
        << 3
        // the request in flight when the adapter went may have been answered: its slot is unknown
        << QStringLiteral(
               "The controller port COM7 was disconnected.\rThese key slots were not read for sure:"
               "\rSlave keys #4\rThe key list marks them as not read (<UNREAD>); read the controller "
               "again.\rSlave keys from #5 on were not read.\r"
               "Connect the controller again, choose its port and repeat the command.");
}

void tst_TKeyTransfer::shouldStopAtASilentControllerOrAPulledAdapter() {
    QFETCH(int, silentFrom);
    QFETCH(int, silentTo);
    QFETCH(int, pulledAt);
    QFETCH(int, requests);
    QFETCH(int, steps);
    QFETCH(QString, box);
    TTestMessageBoxes boxes;
    TFakeControllerHost host;
    int n = 0;
    port.responder = [&](const QByteArray& request) {
        ++n;
        return n >= silentFrom && n <= silentTo ? QByteArray() : simAnswer(port, request);
    };
    port.onRequest = [&](int count) {
        if (count == pulledAt)
            port.hangUp();
    };
    bool progressClosedFirst = true;
    boxes.onShow = [&](const TTestMessageBoxes::Shown&) { progressClosedFirst &= !host.progressShown; };
    TControllerSession session(port, host, host, boxes);
    TControllerCommands commands(session, host);
    commands.DGetSKeysActExecute(); // no exception: nothing for the general error report
    QCOMPARE(boxes.texts().mid(1), QStringList{box});
    QCOMPARE(boxes.shown.last().kind,
             silentTo > 100 || pulledAt > 0 ? TMessageBoxes::Kind::Error : TMessageBoxes::Kind::Warning);
    QVERIFY(progressClosedFirst);
    QCOMPARE(port.requests().size(), requests);
    QCOMPARE(int(session.Exchange().sequence()), steps);
    QCOMPARE(host.progressHistory.size(), steps);
}

void tst_TKeyTransfer::shouldReportFailedSlotsInOneBox_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<Refusals>("refused"); // command byte, slot
    QTest::addColumn<QString>("box");
    const QString readList = QStringLiteral(
        "These key slots were not read for sure:\r%1\rThe key list marks them as not read (<UNREAD>); read "
        "the controller again.\rCheck the cable and repeat the command.");
    const QString writeList = QStringLiteral(
        "These key slots were not written for sure:\r%1\rUnknown: the write may or may not have been applied "
        "there; read the controller again.\rCheck the cable and repeat the command.");
    QTest::newRow("read master, none failed") << "read master" << Refusals{} << QString();
    QTest::newRow("read master #3") << "read master" << Refusals{{0xC0, 2}}
                                    << readList.arg(QStringLiteral("Master keys #3"));
    QTest::newRow("write slave #1, #128") << "write slave" << Refusals{{0xC1, 0}, {0xC1, 127}}
                                          << writeList.arg(QStringLiteral("Slave keys #1, #128"));
    QTest::newRow("read all, both tables") << "read all" << Refusals{{0xC0, 7}, {0xC1, 9}}
                                           << readList.arg(QStringLiteral("Master keys #8\rSlave keys #10"));
    QTest::newRow("write all, both tables")
        << "write all" << Refusals{{0xC0, 0}, {0xC1, 64}}
        << writeList.arg(QStringLiteral("Master keys #1\rSlave keys #65"));
    QTest::newRow("write all, none failed") << "write all" << Refusals{} << QString();
}

void tst_TKeyTransfer::shouldReportFailedSlotsInOneBox() {
    QFETCH(QString, command);
    QFETCH(Refusals, refused);
    QFETCH(QString, box);
    TTestMessageBoxes boxes;
    TFakeControllerHost host;
    host.data.info = QStringLiteral("Gate");
    // the controller refuses every attempt of these slots (the key number byte is the slot)
    port.responder = [&](const QByteArray& request) {
        const QPair<int, int> slot{quint8(request[3]), request.size() > 5 ? quint8(request[5]) : -1};
        return refused.contains(slot) ? QByteArray("N") : simAnswer(port, request);
    };
    bool progressClosedFirst = true;
    boxes.onShow = [&](const TTestMessageBoxes::Shown&) { progressClosedFirst &= !host.progressShown; };
    TControllerSession session(port, host, host, boxes);
    TControllerCommands commands(session, host);
    if (command == QLatin1String("read master"))
        commands.DGetMKeysActExecute();
    else if (command == QLatin1String("write slave"))
        commands.DPutSKeysActExecute();
    else if (command == QLatin1String("read all"))
        commands.DGetAllActExecute();
    else
        commands.DPutAllActExecute();
    QCOMPARE(boxes.count(TMessageBoxes::Kind::Warning), box.isEmpty() ? 0 : 1);
    QCOMPARE(boxes.count(TMessageBoxes::Kind::Error), 0);
    if (!box.isEmpty())
        QVERIFY(boxes.texts().contains(box));
    QVERIFY(progressClosedFirst);
    QCOMPARE(requestsOf(port, 0xC0).size() + requestsOf(port, 0xC1).size(),
             (command.endsWith(QLatin1String("all"))      ? 136
              : command.endsWith(QLatin1String("master")) ? 8
                                                          : 128) +
                 4 * refused.size());
    // the information step still follows the key writes and their box
    if (command == QLatin1String("write all"))
        QCOMPARE(boxes.texts().last(), QStringLiteral("Information has been written succesufuly."));
}

void tst_TKeyTransfer::shouldKeepSlotIdentityWhateverTheKeyNumberByteSays() {
    TTestMessageBoxes boxes;
    TFakeControllerHost host;
    for (auto& record : sim.master)
        record[0] = 0xFF; // an unused slot's key number, as some controllers report it
    TControllerSession session(port, host, host, boxes);
    TControllerCommands commands(session, host);
    QVERIFY(session.Transfer().ReadMasterKeys(host.master).ok());
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(host.master.slot(i).keyId, i);
        host.master.slot(i).keyId = 255 - i; // whatever KEYID says, the slot is written
    }
    port.writes.clear();
    QVERIFY(session.Transfer().WriteMasterKeys(host.master).ok());
    const QList<QByteArray> writes = requestsOf(port, 0xC0);
    QCOMPARE(writes.size(), 8);
    for (int i = 0; i < 8; ++i)
        QCOMPARE(quint8(writes[i][5]), i);
    for (int i = 0; i < 8; ++i)
        QCOMPARE(int(sim.master[i][0]), i);
}

void tst_TKeyTransfer::shouldNeverSendUnknownAsTheInformation() {
    TTestMessageBoxes boxes;
    TFakeControllerHost host; // the information field still shows "<unknown>"
    TControllerSession session(port, host, host, boxes);
    TControllerCommands commands(session, host);
    boxes.queueAnswer(TMessageBoxes::Answer::Cancel);
    commands.DPutAllActExecute();
    commands.DPutInfoActExecute();
    QVERIFY(!session.Info().WriteControllerInfo(QStringLiteral("<unknown>")));
    const QString unknown =
        QStringLiteral("The controller information is unknown: read it from the controller "
                       "first (Read controller information).\rNothing has been written.");
    QCOMPARE(boxes.texts().mid(1), (QStringList{unknown, unknown}));
    QCOMPARE(boxes.shown.last().kind, TMessageBoxes::Kind::Warning);
    QCOMPARE(port.writes.size(), 0);
}

void tst_TKeyTransfer::shouldWriteEverySlotAndStepTheSequenceAlsoOverFailingSlots_data() {
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("step");
    QTest::newRow("master") << int(Table::Master) << 8;
    QTest::newRow("slave") << int(Table::Slave) << 128;
}

void tst_TKeyTransfer::shouldWriteEverySlotAndStepTheSequenceAlsoOverFailingSlots() {
    QFETCH(int, table);
    QFETCH(int, step);
    TTestMessageBoxes boxes;
    TFakeControllerHost host;
    TFakeKeyView& view = table == int(Table::Master) ? host.master : host.slave;
    const QString type = table == int(Table::Master) ? QStringLiteral("M") : QStringLiteral("S");
    for (int i = 0; i < step; i += 2)
        view.slot(i) = keyOf(i, type, QStringLiteral("00112233%1").arg(i, 4, 16, QLatin1Char('0')).toUpper(),
                             QStringLiteral("k%1").arg(i));
    view.current = 5;
    sim.Clear();
    // slot 1 fails all five attempts
    const unsigned char command = table == int(Table::Master) ? 0xC0 : 0xC1;
    sim.SetFault(command, Form::Write, Fault::None, 1);
    int n = 0;
    port.responder = [this, &n](const QByteArray& request) mutable {
        ++n;
        return (n >= 2 && n <= 6) ? QByteArray("N") : simAnswer(port, request);
    };
    TControllerSession session(port, host, host, boxes);
    for (int i = 0; i < 250; ++i)
        session.Exchange().advanceSequence();
    TControllerCommands commands(session, host);
    const TKeyTransfer::Result result = session.Transfer().WriteKeys(Table(table), view);
    QCOMPARE(result.end, End::Completed);
    QCOMPARE(result.failedSlots, QList<int>{view.slot(1).recId});
    QCOMPARE(session.Exchange().sequence(), static_cast<unsigned char>(250 + step));
    QCOMPARE(view.current, 5);
    for (int i = 0; i < step; ++i) {
        if (i == 1)
            QCOMPARE(simSlot(sim, Table(table), 1).active, false);
        else
            QVERIFY2(sameContent(simSlot(sim, Table(table), i), view.slot(i)),
                     qPrintable(QString::number(i)));
    }
    const QList<QByteArray> requests = requestsOf(port, command);
    QCOMPARE(requests.size(), step + 4);
    QCOMPARE(quint8(requests.last()[2]), static_cast<unsigned char>(250 + step - 1));
    for (const QByteArray& r : requests) {
        QCOMPARE(r.size(), 39);
        QCOMPARE(quint8(r[38]), FrameChecksum(*reinterpret_cast<const TFrame*>(r.constData()), 38));
    }
}

void tst_TKeyTransfer::shouldSendTheClosingFrameOnlyAfterAnActiveMasterKey_data() {
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("activeSlot");
    QTest::addColumn<bool>("closing");
    QTest::newRow("master, none active") << int(Table::Master) << -1 << false;
    QTest::newRow("master, slot 3 active") << int(Table::Master) << 3 << true;
    QTest::newRow("slave, slot 3 active") << int(Table::Slave) << 3 << false;
}

void tst_TKeyTransfer::shouldSendTheClosingFrameOnlyAfterAnActiveMasterKey() {
    QFETCH(int, table);
    QFETCH(int, activeSlot);
    QFETCH(bool, closing);
    TTestMessageBoxes boxes;
    TFakeControllerHost host;
    TFakeKeyView& view = table == int(Table::Master) ? host.master : host.slave;
    if (activeSlot >= 0)
        view.slot(activeSlot) =
            keyOf(activeSlot + 1, view.slot(0).keyType, QStringLiteral("0123456789AB"), QString());
    TControllerSession session(port, host, host, boxes);
    for (int i = 0; i < 77; ++i)
        session.Exchange().advanceSequence();
    TControllerCommands commands(session, host);
    QVERIFY(session.Transfer().WriteKeys(Table(table), view).ok());
    const QList<QByteArray> requests = port.requests();
    QCOMPARE(requestsOf(port, 0xC3).size(), closing ? 1 : 0);
    if (closing)
        QCOMPARE(requests.last(), QByteArray::fromHex("AA0300C38F"));
    QCOMPARE(sim.closingFrames, closing ? 1 : 0);
    QCOMPARE(session.Exchange().sequence(),
             static_cast<unsigned char>(77 + (table == int(Table::Master) ? 8 : 128)));
}

void tst_TKeyTransfer::shouldRefuseToWriteKeyCodesThatAreNotTwelveHexDigits() {
    TTestMessageBoxes boxes;
    TFakeControllerHost host;
    host.master.slot(2) = keyOf(3, QStringLiteral("M"), QStringLiteral("12345"), QString());
    host.master.slot(6) = keyOf(7, QStringLiteral("M"), QStringLiteral("0123456789AZ"), QString());
    host.master.slot(4) = keyOf(5, QStringLiteral("M"), QStringLiteral("0123456789AB"), QString());
    host.master.slot(5).keyCode = QStringLiteral("junk"); // inactive: not sent, not checked
    port.open = false;
    TControllerSession session(port, host, host, boxes);
    TControllerCommands commands(session, host);
    QCOMPARE(session.Transfer().WriteMasterKeys(host.master).end, End::Refused);
    QCOMPARE(boxes.shown.size(), 1);
    QCOMPARE(boxes.shown[0].kind, TMessageBoxes::Kind::Error);
    QVERIFY(boxes.shown[0].text.contains(QStringLiteral("Master keys #3, #7\r")));
    QCOMPARE(port.writes.size(), 0);
    QCOMPARE(host.opens, 0);
    QCOMPARE(session.Exchange().sequence(), 0);
}

void tst_TKeyTransfer::shouldStopAtTheViewsLastRecord() {
    TTestMessageBoxes boxes;
    TFakeControllerHost host;
    host.master = TFakeKeyView(QStringLiteral("M"), 5);
    TControllerSession session(port, host, host, boxes);
    TControllerCommands commands(session, host);
    QVERIFY(session.Transfer().ReadMasterKeys(host.master).ok());
    QCOMPARE(port.requests().size(), 5);
    QCOMPARE(host.master.stores, 5);
    QVERIFY(session.Transfer().WriteMasterKeys(host.master).ok());
    QCOMPARE(port.requests().size(), 10 + 1);
    QCOMPARE(session.Exchange().sequence(), 10);
}

void tst_TKeyTransfer::shouldOpenThePortWhenClosedOnlyOnce() {
    TTestMessageBoxes boxes;
    TFakeControllerHost host;
    port.open = false;
    host.onOpen = [this] { port.open = true; };
    TControllerSession session(port, host, host, boxes);
    TControllerCommands commands(session, host);
    QVERIFY(session.Transfer().ReadSlaveKeys(host.slave).ok());
    QVERIFY(session.Transfer().WriteSlaveKeys(host.slave).ok());
    QCOMPARE(host.opens, 1);
}

void tst_TKeyTransfer::shouldCheckTheViewsBeforeReading() {
    TTestMessageBoxes boxes;
    TFakeControllerHost host;
    TControllerSession session(port, host, host, boxes);
    TControllerCommands commands(session, host);
    host.master.open = false;
    commands.DGetMKeysActExecute();
    commands.DGetAllActExecute();
    QCOMPARE(
        boxes.texts(),
        (QStringList{
            QStringLiteral("To read Master keys from controller you must first create new or open key list."),
            QStringLiteral("To read keys from controller you must first create new or open key list.")}));
    boxes.clear();
    host.slave.open = false;
    commands.DGetSKeysActExecute();
    QCOMPARE(boxes.texts(),
             QStringList{QStringLiteral(
                 "To read Slave keys from controlle you must first create new or open key list.")});
    boxes.clear();
    host.master.open = true;
    host.master.recCount = 0;
    commands.DGetMKeysActExecute();
    QCOMPARE(boxes.shown.size(), 0);
    host.master.recCount = 137;
    boxes.queueAnswer(TMessageBoxes::Answer::Cancel);
    commands.DGetMKeysActExecute();
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral(
                                "You are about to read Master keys from controller. Current Master keys "
                                "list\rwill be overwrited. Are you sure you want to continue?")});
    QCOMPARE(port.writes.size(), 0);
    commands.DGetMKeysActExecute();
    QCOMPARE(port.requests().size(), 8);
    QCOMPARE(host.progressTexts, QStringList{QStringLiteral("Reading master keys list from controller...")});
    QVERIFY(!host.progressShown);
}

void tst_TKeyTransfer::shouldCheckTheViewsBeforeWriting() {
    TTestMessageBoxes boxes;
    TFakeControllerHost host;
    TControllerSession session(port, host, host, boxes);
    TControllerCommands commands(session, host);
    host.master.recCount = 0;
    host.slave.open = false;
    commands.DPutMKeysActExecute();
    commands.DPutSKeysActExecute();
    QCOMPARE(boxes.texts(),
             (QStringList{
                 QStringLiteral("Cannot load master keys list into the controller because it is empty."),
                 QStringLiteral("Cannot write slave keys list into the controller because it is empty.")}));
    boxes.clear();
    host.master.recCount = 137;
    commands.DPutMKeysActExecute();
    QCOMPARE(boxes.texts(), QStringList{QStringLiteral("You are about to overwrite controller`s master keys "
                                                       "list.\rAre you sure you want to continue?")});
    QCOMPARE(host.progressTexts, QStringList{QStringLiteral("Writing master keys list to controller...")});
    QCOMPARE(requestsOf(port, 0xC0).size(), 8);
}

void tst_TKeyTransfer::shouldAskForTheInformationWriteEvenAfterCancel() {
    TTestMessageBoxes boxes;
    TFakeControllerHost host;
    host.data.info = QStringLiteral("Gate");
    TControllerSession session(port, host, host, boxes);
    TControllerCommands commands(session, host);
    boxes.queueAnswer(TMessageBoxes::Answer::Cancel);
    boxes.queueAnswer(TMessageBoxes::Answer::Cancel);
    commands.DPutAllActExecute();
    QCOMPARE(boxes.texts(),
             (QStringList{QStringLiteral("You are about to overwrite full controller`s keys "
                                         "list.\rAre you sure you want to continue?"),
                          QStringLiteral("Are you sure you want to change controller information "
                                         "to:\rGate")}));
    QCOMPARE(port.writes.size(), 0);
    boxes.clear();
    host.master.open = false;
    commands.DPutAllActExecute();
    QCOMPARE(boxes.texts(),
             (QStringList{QStringLiteral("You are about to overwrite full controller`s keys "
                                         "list.\rAre you sure you want to continue?"),
                          QStringLiteral("Cannot write master keys list into the controller "
                                         "because it is empty."),
                          QStringLiteral("Are you sure you want to change controller information "
                                         "to:\rGate"),
                          QStringLiteral("Information has been written succesufuly.")}));
    QCOMPARE(requestsOf(port, 0xC1).size(), 128);
    QCOMPARE(requestsOf(port, 0xC0).size(), 0);
    QCOMPARE(TControllerInfo::BytesToText(sim.info.data(), 32), QStringLiteral("Gate"));
}

void tst_TKeyTransfer::shouldReadAllWithTheTextsInOrder() {
    TTestMessageBoxes boxes;
    TFakeControllerHost host;
    TControllerSession session(port, host, host, boxes);
    TControllerCommands commands(session, host);
    commands.DGetAllActExecute();
    QCOMPARE(boxes.texts(),
             QStringList{QStringLiteral("You are about to read all information from "
                                        "controller.Current information and keys list\rwill be "
                                        "overwrited. Are you sure you want to continue?")});
    QCOMPARE(host.progressTexts, (QStringList{QStringLiteral("Reading master keys list from controller..."),
                                              QStringLiteral("Reading slave keys list from controller...")}));
    QVERIFY(host.transferEnabled);
    QCOMPARE(session.Exchange().sequence(), 3 + 136);
    // a refused version still reads the keys
    sim.version = "TARVK009";
    boxes.clear();
    commands.DGetAllActExecute();
    QCOMPARE(boxes.count(TMessageBoxes::Kind::Warning), 1);
    QCOMPARE(session.Exchange().sequence(), static_cast<unsigned char>(3 + 136 + 1 + 136));
}

void tst_TKeyTransfer::shouldWriteNoKeyButStillOfferTheInformationWhenAKeyCodeIsBad() {
    TTestMessageBoxes boxes;
    TFakeControllerHost host;
    host.data.info = QStringLiteral("Gate");
    host.slave.slot(40) = keyOf(41, QStringLiteral("S"), QStringLiteral("0123"), QString());
    host.master.slot(0) = keyOf(1, QStringLiteral("M"), QStringLiteral("<EMPTY>"), QString());
    host.master.slot(0).active = true;
    TControllerSession session(port, host, host, boxes);
    TControllerCommands commands(session, host);
    commands.DPutAllActExecute();
    QCOMPARE(boxes.shown.size(), 4);
    QCOMPARE(boxes.shown[1].text,
             QStringLiteral("These active keys have a key code that is not 12 hexadecimal "
                            "digits:\rMaster keys #1\rSlave keys #41\rNothing has been "
                            "written to the controller."));
    QCOMPARE(boxes.shown[2].text,
             QStringLiteral("Are you sure you want to change controller information to:\rGate"));
    QCOMPARE(requestsOf(port, 0xC0).size() + requestsOf(port, 0xC1).size(), 0);
    QCOMPARE(requestsOf(port, 0xC2).size(), 1);
}

void tst_TKeyTransfer::shouldBeBusyWhileATransferHandlesMessages() {
    TTestMessageBoxes boxes;
    TFakeControllerHost host;
    TControllerSession session(port, host, host, boxes);
    TControllerCommands commands(session, host);
    int busy = 0;
    host.onPump = [&] { busy += commands.Busy() ? 1 : 0; };
    QVERIFY(!commands.Busy());
    commands.DGetSKeysActExecute();
    QCOMPARE(busy, 128);
    QVERIFY(!commands.Busy());
    // also after a transfer that ends by an exception
    port.open = false;
    QVERIFY_THROWS_EXCEPTION(std::exception, commands.DPutSKeysActExecute());
    QVERIFY(!commands.Busy());
    QVERIFY(!host.progressShown);
}

QTEST_GUILESS_MAIN(tst_TKeyTransfer)
#include "tst_TKeyTransfer.moc"
