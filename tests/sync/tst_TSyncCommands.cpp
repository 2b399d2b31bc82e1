// Compare, write changes and restore against the controller simulator, the key list in memory.
#include "controller/TControllerExchange.h"
#include "controller/TKeySlotWire.h"
#include "controller/TKeyTransfer.h"
#include "dbf/TDbfEnv.h"
#include "keys/TKeyPlaceholder.h"
#include "seams/TInstalledMessageBoxes.h"
#include "seams/TSleep.h"
#include "seams/TStopRequest.h"
#include "sync/TKeyTables.h"
#include "sync/TRecordingKeyView.h"
#include "sync/TSnapshotStore.h"
#include "sync/TSyncCommands.h"
#include "tests/controller/TFakeControllerHost.h"
#include "tests/controller/TScriptedPort.h"
#include "tests/support/TTestMessageBoxes.h"
#include "tools/ctrlsim/TControllerSim.h"

#include <QtTest>

namespace {
using Fault = TControllerSim::Fault;
using Form = TControllerSim::Form;
using Outcome = TMessageBoxes::Answer;
using Purpose = TSyncViewer::Purpose;

void noSleep(int) {}

TKeySlot simSlot(const TControllerSim& sim, bool master, int slot) {
    const auto& record = master ? sim.master[slot] : sim.slave[slot];
    TFrame reply;
    reply.fill(0xFF);
    std::copy(record.begin(), record.end(), reply.begin() + 5);
    return DecodeSlot(reply, slot, master ? QStringLiteral("M") : QStringLiteral("S"));
}

// Answers the Differences window from a script and lets a test act while it is shown.
class TScriptedViewer : public TSyncViewer {
public:
    bool ShowComparison(const TKeyComparison& comparison, Purpose purpose) override {
        purposes.append(purpose);
        differences = comparison.DifferenceCount();
        mismatch = comparison.SerialMismatchText();
        if (whileShown)
            whileShown();
        return write;
    }
    QList<Purpose> purposes;
    int differences = -1;
    QString mismatch;
    bool write = true;
    std::function<void()> whileShown;
};
} // namespace

class tst_TSyncCommands : public QObject {
    Q_OBJECT

    TDbfEnv env;
    QTemporaryDir dataDir;
    TControllerSim sim;
    TScriptedPort port;
    unsigned char sequence = 0;
    std::unique_ptr<TFakeControllerHost> host;
    std::unique_ptr<TControllerExchange> exchange;
    std::unique_ptr<TSnapshotStore> store;
    std::unique_ptr<TScriptedViewer> viewer;
    std::unique_ptr<TSyncCommands> commands;

    // The key list made equal to what the simulator holds.
    void listFromController();
    void change(bool master, int slot);
    int slotWrites() const;
    int slotReads() const;
    int closingFrames() const;
    QString mismatchWithList() const;
    QList<TSnapshotStore::TSnapshot> snapshots(const QString& serial = QStringLiteral("VT000417")) const {
        return store->Snapshots(serial);
    }

private slots:
    void init();
    void cleanup();

    void shouldCompareWithoutChangingTheListAndKeepASnapshot();
    void shouldWriteExactlyTheDifferingSlotsAndVerifyThem_data();
    void shouldWriteExactlyTheDifferingSlotsAndVerifyThem();
    void shouldNeverReportALostOrCorruptedWriteAsWritten_data();
    void shouldNeverReportALostOrCorruptedWriteAsWritten();
    void shouldStopAtAPortFailureAndReportWhatWasNotWritten();
    void shouldWarnBeforeWritingAndWriteNothingWhenCancelled_data();
    void shouldWarnBeforeWritingAndWriteNothingWhenCancelled();
    void shouldAskBeforeRestoringToAnotherController_data();
    void shouldAskBeforeRestoringToAnotherController();
    void shouldKeepASnapshotOfTheTablesAKeyListReadGotWhole_data();
    void shouldKeepASnapshotOfTheTablesAKeyListReadGotWhole();
    void shouldVerifyOnlyWhatTheControllerHoldsWhenItAnswersLate_data();
    void shouldVerifyOnlyWhatTheControllerHoldsWhenItAnswersLate();
    void shouldWriteAnotherControllersListOnlyOnAnExplicitYes_data();
    void shouldWriteAnotherControllersListOnlyOnAnExplicitYes();
    void shouldEndTheWritesLikeTheTransfersAndNameEveryUnknownSlot_data();
    void shouldEndTheWritesLikeTheTransfersAndNameEveryUnknownSlot();
    void shouldNeverWriteASlotAReadCouldNotGet();
    void shouldNeverWriteANoteAReadCannotGiveBack_data();
    void shouldNeverWriteANoteAReadCannotGiveBack();
    void shouldWarnOfWhatTheControllerWillHoldNotOfWhatTheListSays();
};

void tst_TSyncCommands::init() {
    QVERIFY(dataDir.isValid());
    sim = TControllerSim(); // the demonstration keys, serial VT000417
    port = TScriptedPort();
    port.playController(sim);
    sequence = 0;
    TSleep::setHandler(noSleep);
    host = std::make_unique<TFakeControllerHost>();
    exchange = std::make_unique<TControllerExchange>(port, sequence, TInstalledMessageBoxes::Shared());
    store = std::make_unique<TSnapshotStore>(dataDir.path());
    viewer = std::make_unique<TScriptedViewer>();
    commands =
        std::make_unique<TSyncCommands>(*exchange, *host, *viewer, *store, TInstalledMessageBoxes::Shared());
}

void tst_TSyncCommands::cleanup() {
    TSleep::setHandler(nullptr);
    TStopRequest::Clear();
    QDir(dataDir.path()).removeRecursively();
    QDir().mkpath(dataDir.path());
}

void tst_TSyncCommands::listFromController() {
    for (bool master : {true, false}) {
        TFakeKeyView& view = master ? host->master : host->slave;
        for (int slot = 0; slot < view.records.size(); ++slot) {
            TKeySlot key = simSlot(sim, master, slot);
            key.recId = slot + 1;
            view.slot(slot) = key;
        }
    }
}

void tst_TSyncCommands::change(bool master, int slot) {
    TKeySlot& key = (master ? host->master : host->slave).slot(slot);
    if (key.active) {
        key.memo += QStringLiteral(" (moved)");
        return;
    }
    key.active = true;
    key.keyCode =
        QStringLiteral("0200000000%1").arg(slot + (master ? 0x80 : 0), 2, 16, QLatin1Char('0')).toUpper();
    key.memo = QStringLiteral("Slot %1").arg(slot);
}

int tst_TSyncCommands::slotWrites() const {
    int count = 0;
    for (const QByteArray& r : port.requests())
        count += r.size() == 39 && (quint8(r[3]) == 0xC0 || quint8(r[3]) == 0xC1) && r[4] == 0x00 ? 1 : 0;
    return count;
}

int tst_TSyncCommands::slotReads() const {
    int count = 0;
    for (const QByteArray& r : port.requests())
        count += r.size() == 7 && (quint8(r[3]) == 0xC0 || quint8(r[3]) == 0xC1) && r[4] == 0x01 ? 1 : 0;
    return count;
}

int tst_TSyncCommands::closingFrames() const {
    int count = 0;
    for (const QByteArray& r : port.requests())
        count += r.size() == 5 && quint8(r[3]) == 0xC3 ? 1 : 0;
    return count;
}

QString tst_TSyncCommands::mismatchWithList() const {
    for (bool master : {true, false}) {
        const TFakeKeyView& view = master ? host->master : host->slave;
        for (int slot = 0; slot < view.records.size(); ++slot)
            if (TKeyDifference::Classify(view.records[slot], simSlot(sim, master, slot)) !=
                TKeyDifference::Kind::Same)
                return QStringLiteral("%1 slot %2").arg(master ? "master" : "slave").arg(slot);
    }
    return QString();
}

void tst_TSyncCommands::shouldCompareWithoutChangingTheListAndKeepASnapshot() {
    TTestMessageBoxes boxes;
    listFromController();
    change(false, 40);
    change(true, 0);
    host->slave.slot(1).keyCode = QStringLiteral("<EMPTY>");
    host->slave.slot(1).active = false;
    commands->Compare(QStringLiteral("VT000001"));

    QCOMPARE(viewer->purposes, QList<Purpose>{Purpose::Compare});
    QCOMPARE(viewer->differences, 3);
    QCOMPARE(commands->LastComparison().Count(TKeyDifference::Kind::KeyRemoved), 1);
    QVERIFY(viewer->mismatch.startsWith(QStringLiteral("This key list was saved from controller VT000001")));
    QCOMPARE(host->master.stores + host->slave.stores, 0);
    QCOMPARE(slotWrites(), 0);
    QCOMPARE(slotReads(), 136);
    QCOMPARE(boxes.shown.size(), 0);
    const QList<TSnapshotStore::TSnapshot> list = snapshots();
    QCOMPARE(list.size(), 1);
    QCOMPARE(list[0].kind, QStringLiteral("read"));
    QCOMPARE(list[0].version, QStringLiteral("TARVK001"));
    QCOMPARE(list[0].info, QStringLiteral("Main entrance"));
    const TKeyTables held = TSnapshotStore::Load(list[0]);
    QCOMPARE(held.slave.Slot(5).memo, QStringLiteral("Cleaning"));
}

void tst_TSyncCommands::shouldWriteExactlyTheDifferingSlotsAndVerifyThem_data() {
    QTest::addColumn<QList<int>>("masterSlots");
    QTest::addColumn<QList<int>>("slaveSlots");
    QTest::addColumn<int>("closing");
    QTest::newRow("nothing differs") << QList<int>{} << QList<int>{} << 0;
    QTest::newRow("one slave key") << QList<int>{} << QList<int>{17} << 0;
    QTest::newRow("a master note and two slave keys") << QList<int>{1} << QList<int>{0, 127} << 1;
    QTest::newRow("every master slot") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7} << QList<int>{} << 1;
}

void tst_TSyncCommands::shouldWriteExactlyTheDifferingSlotsAndVerifyThem() {
    QFETCH(QList<int>, masterSlots);
    QFETCH(QList<int>, slaveSlots);
    QFETCH(int, closing);
    TTestMessageBoxes boxes;
    listFromController();
    for (int slot : masterSlots)
        change(true, slot);
    for (int slot : slaveSlots)
        change(false, slot);
    const int changes = int(masterSlots.size() + slaveSlots.size());

    commands->WriteChanges(QStringLiteral("VT000417"));

    QCOMPARE(slotWrites(), changes);
    QCOMPARE(sim.slotWrites, changes);
    QCOMPARE(slotReads(), 136 + changes);
    QCOMPARE(closingFrames(), closing);
    QCOMPARE(mismatchWithList(), QString());
    // Each write addressed its own slot.
    QList<int> written;
    for (const QByteArray& r : port.requests())
        if (r.size() == 39 && r[4] == 0x00)
            written.append((quint8(r[3]) == 0xC0 ? 1000 : 2000) + quint8(r[5]));
    QList<int> expected;
    for (int slot : masterSlots)
        expected.append(1000 + slot);
    for (int slot : slaveSlots)
        expected.append(2000 + slot);
    QCOMPARE(written, expected);

    QCOMPARE(boxes.shown.size(), 1);
    QCOMPARE(boxes.shown[0].kind, TMessageBoxes::Kind::Information);
    if (changes == 0) {
        QVERIFY(viewer->purposes.isEmpty());
        QVERIFY(boxes.shown[0].text.contains(QStringLiteral("nothing was written")));
        QCOMPARE(snapshots().size(), 1);
        return;
    }
    QCOMPARE(viewer->purposes, QList<Purpose>{Purpose::Write});
    QCOMPARE(boxes.shown[0].text, QStringLiteral("%1 of %1 changes written and verified.").arg(changes));
    const QList<TSnapshotStore::TSnapshot> list = snapshots();
    QCOMPARE(list.size(), 2);
    QCOMPARE(list[0].kind, QStringLiteral("after-write"));
    QVERIFY(list[0].masterValid && list[0].slaveValid);
    QCOMPARE(list[0].changedSlots, changes);
}

void tst_TSyncCommands::shouldNeverReportALostOrCorruptedWriteAsWritten_data() {
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<bool>("slaveValidAfter");
    QTest::newRow("write acknowledged and lost")
        << Fault::Drop << int(Form::Write) << 1 << "read back differently, it holds no key" << true;
    QTest::newRow("write acknowledged and stored corrupted")
        << Fault::Corrupt << int(Form::Write) << 1 << "read back differently, it holds 1200000000" << true;
    QTest::newRow("write refused five times")
        << Fault::WrongAck << int(Form::Write) << 5
        << "the controller did not accept the write, it holds no key" << true;
    QTest::newRow("read-back refused five times")
        << Fault::WrongAck << int(Form::Read) << 5 << "written, but could not be read back" << false;
}

void tst_TSyncCommands::shouldNeverReportALostOrCorruptedWriteAsWritten() {
    QFETCH(Fault, fault);
    QFETCH(int, form);
    QFETCH(int, count);
    QFETCH(QString, outcome);
    QFETCH(bool, slaveValidAfter);
    TTestMessageBoxes boxes;
    listFromController();
    change(false, 3);
    change(false, 9);
    // Faults only after the controller has been read: the first write (or read-back) is hit.
    viewer->whileShown = [&] { sim.SetFault(0xC1, static_cast<Form>(form), fault, count); };

    commands->WriteChanges(QStringLiteral("VT000417"));

    QCOMPARE(boxes.shown.size(), 1);
    QCOMPARE(boxes.shown[0].kind, TMessageBoxes::Kind::Warning);
    const QString text = boxes.shown[0].text;
    QVERIFY2(text.startsWith(QStringLiteral("1 of 2 changes written and verified.")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("Slave #4 (key added): ") + outcome), qPrintable(text));
    QVERIFY(!text.contains(QStringLiteral("Slave #10")));
    const TSnapshotStore::TSnapshot after = snapshots().first();
    QCOMPARE(after.kind, QStringLiteral("after-write"));
    QVERIFY(after.masterValid);
    QCOMPARE(after.slaveValid, slaveValidAfter);
    if (slaveValidAfter) // what the controller really holds, not what was sent
        QCOMPARE(TSnapshotStore::Load(after).slave.Slot(3).keyCode, simSlot(sim, false, 3).keyCode);
}

void tst_TSyncCommands::shouldStopAtAPortFailureAndReportWhatWasNotWritten() {
    TTestMessageBoxes boxes;
    listFromController();
    change(true, 4);
    change(false, 3);
    viewer->whileShown = [&] { port.failWrites = true; }; // the adapter pulled out

    commands->WriteChanges(QStringLiteral("VT000417"));

    QCOMPARE(sim.slotWrites, 0);
    QCOMPARE(closingFrames(), 0);
    const QString report = boxes.shown.last().text;
    QCOMPARE(boxes.shown.last().kind, TMessageBoxes::Kind::Warning);
    QVERIFY2(report.startsWith(QStringLiteral("0 of 2 changes written and verified.")), qPrintable(report));
    QVERIFY(report.contains(QStringLiteral("Master #5 (key added): not written (the port failed)")));
    QVERIFY(report.contains(QStringLiteral("Slave #4 (key added): not written (the port failed)")));
    const TSnapshotStore::TSnapshot after = snapshots().first();
    QCOMPARE(after.kind, QStringLiteral("after-write"));
    QVERIFY(after.masterValid); // the port refused the request: nothing reached the controller
    QVERIFY(after.slaveValid);
}

void tst_TSyncCommands::shouldWarnBeforeWritingAndWriteNothingWhenCancelled_data() {
    QTest::addColumn<bool>("viewerWrites");
    QTest::addColumn<bool>("warningAnswer");
    QTest::addColumn<int>("writes");
    QTest::newRow("cancelled in the Differences window") << false << true << 0;
    QTest::newRow("cancelled at the warning") << true << false << 0;
    QTest::newRow("continued at the warning") << true << true << 2;
}

void tst_TSyncCommands::shouldWarnBeforeWritingAndWriteNothingWhenCancelled() {
    QFETCH(bool, viewerWrites);
    QFETCH(bool, warningAnswer);
    QFETCH(int, writes);
    TTestMessageBoxes boxes;
    boxes.queueAnswer(warningAnswer ? Outcome::Ok : Outcome::Cancel);
    listFromController();
    for (int slot : {0, 1}) { // both active master keys removed
        host->master.slot(slot).active = false;
        host->master.slot(slot).keyCode = QLatin1String(TKeyPlaceholder::EmptyCode);
    }
    viewer->write = viewerWrites;

    commands->WriteChanges(QStringLiteral("VT000417"));

    QCOMPARE(slotWrites(), writes);
    QCOMPARE(boxes.count(TMessageBoxes::Kind::Confirmation), viewerWrites ? 1 : 0);
    if (viewerWrites)
        QVERIFY(boxes.shown[0].text.contains(QStringLiteral("No active master key would remain")));
    QCOMPARE(closingFrames(), 0); // no active master key: no closing frame
}

void tst_TSyncCommands::shouldAskBeforeRestoringToAnotherController_data() {
    QTest::addColumn<bool>("goOn");
    QTest::newRow("cancelled") << false;
    QTest::newRow("replacement unit") << true;
}

void tst_TSyncCommands::shouldAskBeforeRestoringToAnotherController() {
    QFETCH(bool, goOn);
    TTestMessageBoxes boxes;
    listFromController();
    commands->Compare(QStringLiteral("VT000417"));
    const TSnapshotStore::TSnapshot saved = snapshots().first();
    // A replacement unit: another serial number, nothing in it.
    sim.Clear();
    std::memcpy(sim.serial.data(), "VT000999", 8);
    port.writes.clear();
    boxes.queueAnswer(goOn ? Outcome::Ok : Outcome::Cancel);

    commands->Restore(saved);

    QCOMPARE(boxes.count(TMessageBoxes::Kind::Confirmation), 1);
    QVERIFY(boxes.shown[0].text.startsWith(QStringLiteral(
        "This snapshot was taken from controller VT000417, but the connected controller is VT000999.")));
    QCOMPARE(snapshots(QStringLiteral("VT000999")).size(), goOn ? 2 : 1);
    QCOMPARE(snapshots(QStringLiteral("VT000999")).last().kind, QStringLiteral("before-restore"));
    if (!goOn) {
        QCOMPARE(slotWrites(), 0);
        return;
    }
    QCOMPARE(slotWrites(), 6); // the demonstration keys: 2 master, 4 slave
    QCOMPARE(closingFrames(), 1);
    QCOMPARE(mismatchWithList(), QString());
}

void tst_TSyncCommands::shouldKeepASnapshotOfTheTablesAKeyListReadGotWhole_data() {
    QTest::addColumn<bool>("readSlave");
    QTest::addColumn<bool>("slaveSlotFails");
    QTest::addColumn<bool>("slaveValid");
    QTest::newRow("both tables read whole") << true << false << true;
    QTest::newRow("one slave slot never answered") << true << true << false;
    QTest::newRow("only the master table read") << false << false << false;
}

void tst_TSyncCommands::shouldKeepASnapshotOfTheTablesAKeyListReadGotWhole() {
    QFETCH(bool, readSlave);
    QFETCH(bool, slaveSlotFails);
    QFETCH(bool, slaveValid);
    TTestMessageBoxes boxes;
    if (slaveSlotFails)
        sim.SetFault(0xC1, Form::Read, Fault::WrongAck, 5);
    TRecordingKeyView master(host->master, commands->Recorded().master);
    TRecordingKeyView slave(host->slave, commands->Recorded().slave);
    TKeyTransfer transfer(*exchange, *host, *host);
    commands->BeginRecording();
    transfer.ReadKeys(TKeyTransfer::Table::Master, master);
    if (readSlave)
        transfer.ReadKeys(TKeyTransfer::Table::Slave, slave);
    commands->StoreRecordedReads(QStringLiteral("VT000417"), QStringLiteral("Main entrance"),
                                 QStringLiteral("TARVK001"));

    QCOMPARE(host->master.stores, 8); // the key list got the read as before
    const QList<TSnapshotStore::TSnapshot> list = snapshots();
    QCOMPARE(list.size(), 1);
    QCOMPARE(list[0].kind, QStringLiteral("read"));
    QVERIFY(list[0].masterValid);
    QCOMPARE(list[0].slaveValid, slaveValid);
    const TKeyTables held = TSnapshotStore::Load(list[0]);
    QCOMPARE(held.master.Slot(1).memo, QStringLiteral("Caretaker"));
    if (slaveValid)
        QCOMPARE(held.slave.Slot(5).memo, QStringLiteral("Cleaning"));

    // Nothing read whole the next time: nothing more stored.
    commands->StoreRecordedReads(QStringLiteral("VT000417"), QString(), QString());
    QCOMPARE(snapshots().size(), 1);
    QCOMPARE(boxes.shown.size(), 0);
}

void tst_TSyncCommands::shouldVerifyOnlyWhatTheControllerHoldsWhenItAnswersLate_data() {
    QTest::addColumn<bool>("pauseInCompare"); // else in the writes
    QTest::addColumn<int>("lateFromMs");
    QTest::addColumn<int>("lateToMs");
    QTest::addColumn<bool>("echoSequence");
    QTest::newRow("800 ms pause in the compare read") << true << 0 << 0 << false;
    QTest::newRow("800 ms pause in the writes") << false << 0 << 0 << false;
    QTest::newRow("every answer 450-700 ms late") << true << 450 << 700 << false;
    QTest::newRow("every answer 450-700 ms late, sequence echoed") << false << 450 << 700 << true;
}

void tst_TSyncCommands::shouldVerifyOnlyWhatTheControllerHoldsWhenItAnswersLate() {
    QFETCH(bool, pauseInCompare);
    QFETCH(int, lateFromMs);
    QFETCH(int, lateToMs);
    QFETCH(bool, echoSequence);
    TScriptedPort::clocked = &port;
    TSleep::setHandler(TScriptedPort::ClockedSleep);
    TTestMessageBoxes boxes;
    // every slot a key of its own, the list without 20 of them: a lost batch to revoke
    for (int i = 0; i < 128; ++i)
        sim.slave[i] = TControllerSim::ActiveSlot(
            i, QStringLiteral("0103%1").arg(i * 7919 + 3, 8, 16, QLatin1Char('0')).toUpper().toStdString(),
            "k");
    sim.echoSequence = echoSequence;
    sim.SetReplyDelay(lateFromMs, lateToMs, 3);
    listFromController();
    for (int slot = 30; slot < 50; ++slot) {
        host->slave.slot(slot).active = false;
        host->slave.slot(slot).keyCode = QLatin1String(TKeyPlaceholder::EmptyCode);
        host->slave.slot(slot).memo.clear();
    }
    if (pauseInCompare)
        sim.PauseOnce(0xC1, 29, 800);
    else
        viewer->whileShown = [&] { sim.PauseOnce(0xC1, 35, 800); };

    commands->WriteChanges(QStringLiteral("VT000417"));

    QVERIFY(commands->LastWriteRan());
    const TControllerSync::TResult& result = commands->LastWrite();
    for (const TControllerSync::TSlotResult& slot : result.results) {
        // what the controller holds is what was planned for this very slot
        QVERIFY2(slot.change.slot >= 30 && slot.change.slot < 50,
                 qPrintable(QString::number(slot.change.slot)));
        if (slot.outcome == TControllerSync::Outcome::Verified)
            QCOMPARE(TKeyDifference::Classify(slot.change.wanted, simSlot(sim, false, slot.change.slot)),
                     TKeyDifference::Kind::Same);
    }
    if (result.Failed().isEmpty()) {
        QCOMPARE(mismatchWithList(), QString());
        QCOMPARE(boxes.shown.last().text, QStringLiteral("20 of 20 changes written and verified."));
    }
    QCOMPARE(int(result.results.size()), 20);
}

void tst_TSyncCommands::shouldWriteAnotherControllersListOnlyOnAnExplicitYes_data() {
    QTest::addColumn<QString>("listSerial");
    QTest::addColumn<QList<Outcome>>("answers"); // the other-controller question, then the warnings
    QTest::addColumn<bool>("asked");
    QTest::addColumn<int>("writes");
    QTest::newRow("another controller, no") << "VT000999" << QList<Outcome>{Outcome::No} << true << 0;
    QTest::newRow("another controller, nobody answers") << "VT000999" << QList<Outcome>{} << true << 0;
    QTest::newRow("another controller, yes") << "VT000999" << QList<Outcome>{Outcome::Yes} << true << 1;
    QTest::newRow("the same controller") << "VT000417" << QList<Outcome>{} << false << 1;
    QTest::newRow("a new list") << "<unknown>" << QList<Outcome>{} << false << 1;
}

void tst_TSyncCommands::shouldWriteAnotherControllersListOnlyOnAnExplicitYes() {
    QFETCH(QString, listSerial);
    QFETCH(QList<Outcome>, answers);
    QFETCH(bool, asked);
    QFETCH(int, writes);
    TTestMessageBoxes boxes;
    boxes.answers = answers;
    listFromController();
    change(false, 9);

    commands->WriteChanges(listSerial);

    const QString question = QStringLiteral(
        "This key list was saved from controller VT000999, but the connected controller is VT000417.\r"
        "Write its keys to controller VT000417 anyway?");
    QCOMPARE(boxes.count(question), asked ? 1 : 0);
    QCOMPARE(slotWrites(), writes);
    // asked before the tables are read: a refusal costs three queries, not a whole read
    if (writes == 0)
        QCOMPARE(slotReads(), 0);
}

void tst_TSyncCommands::shouldEndTheWritesLikeTheTransfersAndNameEveryUnknownSlot_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("writeRequests");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("closing");
    QTest::addColumn<bool>("slaveKnown"); // the slave table is whole after the writes
    QTest::newRow("silent from the first slave write")
        << "silent" << 2 + 1 + 2 * 5
        << QStringList{QStringLiteral("Master #1 (key added): written, but could not be read back"),
                       QStringLiteral("Slave #1 (key added): written, but could not be read back"),
                       QStringLiteral(
                           "Slave #2 (key added): unknown: may or may not have been applied; read again"),
                       QStringLiteral(
                           "Slave #3 (key added): unknown: may or may not have been applied; read again"),
                       QStringLiteral("Slave #4 (key added): not written (the controller stopped answering)"),
                       QStringLiteral("The controller does not answer on COM7.")}
        << 1 << false;
    QTest::newRow("stopped after the first master write")
        << "stop" << 1
        << QStringList{QStringLiteral("Master #1 (key added): written, but could not be read back"),
                       QStringLiteral("Master #2 (key added): not written (stopped)"),
                       QStringLiteral("Slave #1 (key added): not written (stopped)"),
                       QStringLiteral(
                           "The synchronisation was stopped; what was not written or not read back is "
                           "listed above.")}
        << 1 << true;
    QTest::newRow("adapter pulled after the first master request went out")
        << "port" << 1
        << QStringList{QStringLiteral(
                           "Master #1 (key added): unknown: may or may not have been applied; read again"),
                       QStringLiteral("Master #2 (key added): not written (the port failed)"),
                       QStringLiteral("The controller port COM7 was disconnected.")}
        << 0 << true; // a port that is gone takes no closing frame
}

void tst_TSyncCommands::shouldEndTheWritesLikeTheTransfersAndNameEveryUnknownSlot() {
    QFETCH(QString, fault);
    QFETCH(int, writeRequests);
    QFETCH(QStringList, lines);
    QFETCH(int, closing);
    QFETCH(bool, slaveKnown);
    TTestMessageBoxes boxes;
    sim.Clear();
    sim.serial = {'V', 'T', '0', '0', '0', '4', '1', '7'};
    listFromController();
    for (int slot : {0, 1})
        change(true, slot);
    for (int slot = 0; slot < 10; ++slot)
        change(false, slot);
    viewer->whileShown = [&] {
        port.onRequest = [&](int) {
            const QByteArray last = port.requests().last();
            const bool write = last.size() == 39 && last[4] == 0x00;
            if (!write)
                return;
            if (fault == QLatin1String("silent") && quint8(last[3]) == 0xC1)
                sim.SetFault(0xC1, Form::Any, Fault::NoAnswer);
            if (fault == QLatin1String("stop"))
                TStopRequest::Raise();
            if (fault == QLatin1String("port"))
                port.hangUp();
        };
    };

    commands->WriteChanges(QStringLiteral("VT000417"));

    QCOMPARE(slotWrites(), writeRequests);
    QCOMPARE(closingFrames(), closing);
    const QString report = boxes.shown.last().text;
    QCOMPARE(boxes.shown.last().kind, TMessageBoxes::Kind::Warning);
    for (const QString& line : lines)
        QVERIFY2(report.split(QLatin1Char('\r')).contains(line),
                 qPrintable(report + QStringLiteral("\n-> ") + line));
    QVERIFY(!report.contains(QStringLiteral("did not accept")));
    // no read-back after a stop; what is still known after the writes is kept
    QCOMPARE(slotReads(), 136);
    const TSnapshotStore::TSnapshot after = snapshots().first();
    QCOMPARE(after.kind, slaveKnown ? QStringLiteral("after-write") : QStringLiteral("read"));
    QCOMPARE(after.slaveValid, true);
}

void tst_TSyncCommands::shouldNeverWriteASlotAReadCouldNotGet() {
    TTestMessageBoxes boxes;
    listFromController();
    host->slave.slot(6) = TKeyTransfer::UnreadSlot(6, QStringLiteral("S"));
    change(false, 9);

    commands->WriteChanges(QStringLiteral("VT000417"));

    QCOMPARE(slotWrites(), 0);
    QCOMPARE(boxes.count(TMessageBoxes::Kind::Error), 1);
    QVERIFY(
        boxes.shown.first().text.startsWith(QStringLiteral("Slave key slot #7 was not read; read again.")));
}

QTEST_GUILESS_MAIN(tst_TSyncCommands)
#include "tst_TSyncCommands.moc"

void tst_TSyncCommands::shouldNeverWriteANoteAReadCannotGiveBack_data() {
    QTest::addColumn<bool>("alsoAChange");
    QTest::newRow("only the note") << false;
    QTest::newRow("beside a change that can be written") << true;
}

// A note holding "ÿ" reads back without it: writing it could never be verified, and a failed
// verification would send the installer to check the cable.
void tst_TSyncCommands::shouldNeverWriteANoteAReadCannotGiveBack() {
    QFETCH(bool, alsoAChange);
    TTestMessageBoxes boxes;
    listFromController();
    host->slave.slot(3).active = true;
    host->slave.slot(3).keyCode = QStringLiteral("2BC5FB000000");
    host->slave.slot(3).memo = QString::fromUtf8("L'Ha\u00FF-les-Roses");
    if (alsoAChange)
        change(false, 10);

    QCOMPARE(commands->WriteChanges(QStringLiteral("VT000417")),
             alsoAChange ? TSyncCommands::Ending::Written : TSyncCommands::Ending::Unwritable);

    QCOMPARE(slotWrites(), alsoAChange ? 1 : 0);
    QCOMPARE(viewer->purposes.size(), alsoAChange ? 1 : 0);
    QCOMPARE(boxes.count(TMessageBoxes::Kind::Warning), 1);
    const QString report = boxes.shown.last().text;
    QVERIFY2(report.contains(QStringLiteral("Slave #4: the note holds \"\u00FF\"")), qPrintable(report));
    QVERIFY2(!report.contains(QStringLiteral("cable")), qPrintable(report));
    QCOMPARE(commands->LastWriteRan(), alsoAChange);
}

// The warnings judge the tables the controller will hold: a slot left unwritten keeps its key,
// so the same code given to another slot is no duplicate.
void tst_TSyncCommands::shouldWarnOfWhatTheControllerWillHoldNotOfWhatTheListSays() {
    TTestMessageBoxes boxes;
    listFromController();
    const QString code = QStringLiteral("2BC5FB000000");
    host->slave.slot(3).active = true;
    host->slave.slot(3).keyCode = code;
    host->slave.slot(3).memo = QString::fromUtf8("L'Ha\u00FF-les-Roses");
    host->slave.slot(10).active = true;
    host->slave.slot(10).keyCode = code;
    host->slave.slot(10).memo = QStringLiteral("Moved here");

    QCOMPARE(commands->WriteChanges(QStringLiteral("VT000417")), TSyncCommands::Ending::Written);
    QCOMPARE(boxes.count(TMessageBoxes::Kind::Confirmation), 0);
    QCOMPARE(slotWrites(), 1);
    QCOMPARE(boxes.count(TMessageBoxes::Kind::Warning), 1); // the report naming the note
}
