// The controller link end to end: the real serial port on a pseudo-terminal, the simulator at the
// far end, a real key list.
#include "controller/TControllerCommands.h"
#include "controller/TControllerHost.h"
#include "controller/TControllerPort.h"
#include "controller/TKeySlotWire.h"
#include "controller/ui/TLineTestFrm.h"
#include "keylist/TDbfKeyView.h"
#include "seams/TInstalledMessageBoxes.h"
#include "seams/TSleep.h"
#include "serial/TSerComPort.h"
#include "serial/ui/TSerStatusLight.h"
#include "tests/keylist/TFakeKeyListHost.h"
#include "tests/support/TTestMessageBoxes.h"
#include "tests/support/TTestPortChooser.h"
#include "tools/ctrlsim/TControllerSim.h"
#include "tools/ctrlsim/TPtyController.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QtTest>

#include <chrono>
#include <thread>

namespace {
using Fault = TControllerSim::Fault;
using Form = TControllerSim::Form;

constexpr int ComNumber = 7;

// Where the 100 ms pause is not the point: the simulator answers within a few milliseconds.
void shortWait(int) {
    std::this_thread::sleep_for(std::chrono::milliseconds(25));
}

std::function<void()> duringWait;
void hookedWait(int ms) {
    shortWait(ms);
    if (duringWait)
        duringWait();
}

// The main window as the controller commands see it, over the real views and port.
class TPtyHost : public TControllerHost {
public:
    TPtyHost(TSerComPort& port, TDbfTable& master, TDbfTable& slave)
        : opener(port,
                 [this](bool open, int number) {
                     status = {open, number};
                 }),
          masterView(master), slaveView(slave) {}

    void OpenControllerPort() override { opener.OpenControllerPort(); }
    void StepProgress(int) override {}
    void PumpMessages() override { QCoreApplication::processEvents(); }
    TControllerInfoData ControllerInfoData() const override { return data; }
    void SetControllerInfoData(const TControllerInfoData& value) override { data = value; }
    void SetKeyTransferEnabled(bool enabled) override { transferEnabled = enabled; }
    void StartProgress(const QString&) override {}
    void CloseProgress() override {}
    TKeyView& MasterView() override { return masterView; }
    TKeyView& SlaveView() override { return slaveView; }

    TControllerPort opener;
    QPair<bool, int> status{false, -1};
    TControllerInfoData data;
    bool transferEnabled = false;

private:
    TDbfKeyView masterView;
    TDbfKeyView slaveView;
};

struct Rig {
    TControllerSim sim;
    TPtyController line{sim};
    TTestPortChooser chooser;
    TSerComPort port;
    TKeyListFixture list;
    TPtyHost host{port, list.master, list.slave};
    TControllerSession session{port, host, host, TInstalledMessageBoxes::Shared()};
    TControllerCommands commands{session, host};

    Rig() {
        std::string error;
        if (!line.Start(error))
            throw std::runtime_error(error);
        qputenv("VTRK_COM7", QByteArray::fromStdString(line.DevicePath()));
        port.SetAutoOpen(false);
        list.newList();
    }
    ~Rig() {
        port.SetOpen(false);
        line.Stop();
        qunsetenv("VTRK_COM7");
    }
    void open() {
        chooser.queueAnswer(ComNumber);
        host.OpenControllerPort();
    }

    // Every key record, by RECID, against the simulator's slot of that number.
    QString mismatch(bool master) {
        TDbfTable& view = master ? list.master : list.slave;
        const int slotCount = master ? 8 : 128;
        TDbfKeyView keys(view);
        const QList<int> records = keys.SlotRecords();
        if (records.size() != slotCount)
            return QStringLiteral("%1 records").arg(records.size());
        std::lock_guard<std::mutex> hold(line.Lock());
        for (int slot = 0; slot < slotCount; ++slot) {
            const TKeySlot key = keys.Load(records[slot]);
            TFrame reply;
            reply.fill(0xFF);
            const auto& record = master ? sim.master[slot] : sim.slave[slot];
            std::copy(record.begin(), record.end(), reply.begin() + 5);
            const TKeySlot held = DecodeSlot(reply, slot, master ? QStringLiteral("M") : QStringLiteral("S"));
            if (key.recId != slot + 1 || key.keyId != held.keyId || key.active != held.active ||
                key.keyCode != held.keyCode || key.memo != held.memo || key.keyType != held.keyType)
                return QStringLiteral("slot %1: list %2/%3/%4/%5 controller %6/%7/%8/%9")
                    .arg(slot)
                    .arg(key.recId)
                    .arg(key.keyId)
                    .arg(key.keyCode, key.memo)
                    .arg(held.recId)
                    .arg(held.keyId)
                    .arg(held.keyCode, held.memo);
        }
        return QString();
    }

    void fillController(unsigned seed) {
        std::lock_guard<std::mutex> hold(line.Lock());
        QRandomGenerator random(seed);
        auto fill = [&](auto& table, int slotCount) {
            for (int i = 0; i < slotCount; ++i) {
                if (random.bounded(3) == 0) {
                    table[i] = TControllerSim::EmptySlot(i);
                    continue;
                }
                const QString code = QStringLiteral("%1%2")
                                         .arg(random.bounded(0x1000000), 6, 16, QLatin1Char('0'))
                                         .arg(random.bounded(0x1000000), 6, 16, QLatin1Char('0'))
                                         .toUpper();
                table[i] = TControllerSim::ActiveSlot(i, code.toStdString(), "Key " + std::to_string(i * 7));
            }
        };
        fill(sim.master, 8);
        fill(sim.slave, 128);
    }

    void editList(unsigned seed) {
        QRandomGenerator random(seed);
        for (TDbfTable* view : {&list.master, &list.slave}) {
            view->First();
            while (!view->Eof()) {
                const bool active = random.bounded(2) == 0;
                const QString code = active ? QStringLiteral("%1%2")
                                                  .arg(random.bounded(0x1000000), 6, 16, QLatin1Char('0'))
                                                  .arg(random.bounded(0x1000000), 6, 16, QLatin1Char('0'))
                                                  .toUpper()
                                            : QStringLiteral("<EMPTY>");
                TKeyListFixture::setKey(*view, code, active,
                                        active ? QStringLiteral("Flat %1").arg(random.bounded(1000))
                                               : QString());
                view->Next();
            }
        }
    }
};
} // namespace

class tst_TControllerOverPty : public QObject {
    Q_OBJECT

private slots:
    void init() { TSleep::setHandler(shortWait); }
    void cleanup() {
        duringWait = nullptr;
        TSleep::setHandler(nullptr);
    }

    void shouldOpenThePortThroughTheChooserAndShowItsState();
    void shouldReadAllControllerDataWithRandomFaultsAtTheRealPause_data();
    void shouldReadAllControllerDataWithRandomFaultsAtTheRealPause();
    void shouldMoveEverySlotOverASlowLine();
    void shouldPutNoReplyIntoAnotherSlotAtRealTiming_data();
    void shouldPutNoReplyIntoAnotherSlotAtRealTiming();
    void shouldCloseThePortWhenTheAdapterIsPulledMidTransfer();
    void shouldReadIntoTheRightRecordsInAnySortOrder();
    void shouldWriteAllDataWithRandomFaults();
    void shouldShowTheFailureMatrixOverTheLine_data();
    void shouldShowTheFailureMatrixOverTheLine();
    void shouldCountTheLineTestAgainstTheSimulator();
};

void tst_TControllerOverPty::shouldOpenThePortThroughTheChooserAndShowItsState() {
    TTestMessageBoxes boxes;
    Rig rig;
    rig.host.OpenControllerPort(); // chooser cancelled
    QVERIFY(!rig.port.Open());
    QCOMPARE(rig.host.status.first, false);
    rig.open();
    QVERIFY(rig.port.Open());
    QCOMPARE(rig.host.status, qMakePair(true, ComNumber));
    QCOMPARE(rig.port.Baud(), 9600);
    // reselecting closes and opens through the chooser again
    rig.open();
    QVERIFY(rig.port.Open());
    QCOMPARE(rig.chooser.shown, 3);
    QCOMPARE(boxes.shown.size(), 0);
}

void tst_TControllerOverPty::shouldReadAllControllerDataWithRandomFaultsAtTheRealPause_data() {
    QTest::addColumn<unsigned>("seed");
    QTest::newRow("seed 7") << 7u;
    QTest::newRow("seed 11") << 11u;
}

void tst_TControllerOverPty::shouldReadAllControllerDataWithRandomFaultsAtTheRealPause() {
    QFETCH(unsigned, seed);
    TSleep::setHandler(nullptr);
    TTestMessageBoxes boxes;
    Rig rig;
    rig.fillController(11);
    {
        std::lock_guard<std::mutex> hold(rig.line.Lock());
        // every kind of fault, lost and late answers included: each is worth a retry
        rig.sim.SetRandomFaults(0.05, seed,
                                {Fault::NoAnswer, Fault::WrongAck, Fault::BadChecksum, Fault::WrongCommand,
                                 Fault::ShortReply, Fault::LateReply, Fault::Noise});
    }
    rig.chooser.queueAnswer(ComNumber);
    rig.commands.DGetAllActExecute(); // opens the port through the version query
    QVERIFY(rig.port.Open());
    QVERIFY(rig.host.transferEnabled);
    QCOMPARE(rig.host.data.serial, QStringLiteral("VT000417"));
    QCOMPARE(rig.host.data.info, QStringLiteral("Main entrance"));
    QCOMPARE(rig.mismatch(true), QString());
    QCOMPARE(rig.mismatch(false), QString());
    std::lock_guard<std::mutex> hold(rig.line.Lock());
    QVERIFY2(rig.sim.faulted > 5, "the seed must fault some frames");
    // no failed-slot box: only the bad replies' own boxes beside the confirmation
    for (const QString& text : boxes.texts())
        QVERIFY2(text == QLatin1String("Data integritatity check error.") ||
                     text.startsWith(QLatin1String("You are about to read all")),
                 qPrintable(text));
}

void tst_TControllerOverPty::shouldMoveEverySlotOverASlowLine() {
    TSleep::setHandler(nullptr);
    TTestMessageBoxes boxes;
    Rig rig;
    rig.fillController(3);
    {
        std::lock_guard<std::mutex> hold(rig.line.Lock());
        rig.sim.SetReplyDelay(80, 160, 5);
    }
    rig.open();
    rig.commands.DGetAllActExecute();
    QCOMPARE(rig.mismatch(true), QString());
    QCOMPARE(rig.mismatch(false), QString());
    QCOMPARE(rig.session.Exchange().sequence(), 3 + 136);

    rig.editList(4);
    rig.host.data.info = QStringLiteral("Slow gate");
    rig.commands.DPutAllActExecute();
    // what was written reads back the same, slot by slot
    QCOMPARE(rig.mismatch(true), QString());
    QCOMPARE(rig.mismatch(false), QString());
    QCOMPARE(boxes.count(TMessageBoxes::Kind::Warning) + boxes.count(TMessageBoxes::Kind::Error), 0);
    std::lock_guard<std::mutex> hold(rig.line.Lock());
    QCOMPARE(TControllerInfo::BytesToText(rig.sim.info.data(), 32), QStringLiteral("Slow gate"));
}

void tst_TControllerOverPty::shouldPutNoReplyIntoAnotherSlotAtRealTiming_data() {
    QTest::addColumn<bool>("master"); // the table read
    QTest::addColumn<int>("pauseMs"); // one answer this much later
    QTest::addColumn<int>("lateFromMs");
    QTest::addColumn<int>("lateToMs");
    QTest::newRow("slave table, one 800 ms pause") << false << 800 << 0 << 0;
    QTest::newRow("master table, every answer 450-700 ms late") << true << 0 << 450 << 700;
}

// At the real pause, over the real port: a late answer is never taken for the next slot's. A
// slot that a very busy machine could not read in time is named unread, never given a neighbour's key.
void tst_TControllerOverPty::shouldPutNoReplyIntoAnotherSlotAtRealTiming() {
    QFETCH(bool, master);
    QFETCH(int, pauseMs);
    QFETCH(int, lateFromMs);
    QFETCH(int, lateToMs);
    TSleep::setHandler(nullptr);
    TTestMessageBoxes boxes;
    Rig rig;
    {
        std::lock_guard<std::mutex> hold(rig.line.Lock());
        rig.sim.echoSequence = false;
        for (int i = 0; i < 128; ++i) {
            const std::string code =
                QStringLiteral("0104%1").arg(i * 7919 + 5, 8, 16, QLatin1Char('0')).toUpper().toStdString();
            rig.sim.slave[i] = TControllerSim::ActiveSlot(i, code, "k");
            rig.sim.slave[i][0] = 0xFF; // no key number echoed either
            if (i < 8)
                rig.sim.master[i] = rig.sim.slave[i];
        }
        if (pauseMs > 0)
            rig.sim.PauseOnce(master ? 0xC0 : 0xC1, master ? 3 : 40, pauseMs);
        rig.sim.SetReplyDelay(lateFromMs, lateToMs, 9);
    }
    rig.open();
    TDbfKeyView view(master ? rig.list.master : rig.list.slave);
    const TKeyTransfer::Result result = rig.session.Transfer().ReadKeys(
        master ? TKeyTransfer::Table::Master : TKeyTransfer::Table::Slave, view);
    QCOMPARE(result.end, TKeyTransfer::Result::End::Completed);
    const QList<int> records = view.SlotRecords();
    QList<int> unread;
    std::lock_guard<std::mutex> hold(rig.line.Lock());
    for (int slot = 0; slot < records.size(); ++slot) {
        const TKeySlot key = view.Load(records[slot]);
        if (TKeyTransfer::IsUnread(key)) {
            unread.append(key.recId);
            continue;
        }
        const auto& record = master ? rig.sim.master[slot] : rig.sim.slave[slot];
        TFrame reply;
        reply.fill(0xFF);
        std::copy(record.begin(), record.end(), reply.begin() + 5);
        QCOMPARE(key.keyCode, DecodeSlot(reply, slot, key.keyType).keyCode);
    }
    QCOMPARE(result.failedSlots, unread);
}

void tst_TControllerOverPty::shouldCloseThePortWhenTheAdapterIsPulledMidTransfer() {
    TTestMessageBoxes boxes;
    Rig rig;
    rig.open();
    int waits = 0;
    duringWait = [&] {
        if (++waits == 20)
            rig.line.Stop(); // the adapter is pulled
    };
    TSleep::setHandler(hookedWait);
    QSignalSpy hungUp(&rig.port, &TSerComPort::OnPortHangup);
    rig.commands.DGetSKeysActExecute(); // no exception: nothing for the general error report
    duringWait = nullptr;
    QVERIFY(!rig.port.Open());
    QCOMPARE(hungUp.count(), 1);
    QCOMPARE(boxes.count(TMessageBoxes::Kind::Error), 1);
    // the slot whose request was on the line is unknown, the ones after it not read
    const QString box = boxes.texts().last();
    QVERIFY2(box.startsWith(QLatin1String("The controller port COM7 was disconnected.\r")), qPrintable(box));
    QVERIFY2(box.contains(QLatin1String("\rSlave keys from #")), qPrintable(box));
    QVERIFY(rig.session.Exchange().sequence() > 0 &&
            rig.session.Exchange().sequence() < 128); // stopped where the line went

    // plugged in again, on a new device node: choosing the port again is all it takes
    TControllerSim sim;
    TPtyController again(sim);
    std::string error;
    QVERIFY2(again.Start(error), error.c_str());
    qputenv("VTRK_COM7", QByteArray::fromStdString(again.DevicePath()));
    rig.open();
    QVERIFY(rig.port.Open());
    QString version;
    QVERIFY(rig.session.Info().ReadProgramVersion(version));
    QCOMPARE(version, QStringLiteral("TARVK001"));
    rig.port.SetOpen(false);
}

void tst_TControllerOverPty::shouldReadIntoTheRightRecordsInAnySortOrder() {
    TTestMessageBoxes boxes;
    Rig rig;
    rig.fillController(5);
    rig.editList(6);
    rig.list.store.SortBy(rig.list.slave, 1, true);   // key code, descending
    rig.list.store.SortBy(rig.list.master, 3, false); // note
    rig.open();
    rig.commands.DGetMKeysActExecute();
    rig.commands.DGetSKeysActExecute();
    QCOMPARE(rig.mismatch(true), QString());
    QCOMPARE(rig.mismatch(false), QString());
    QCOMPARE(rig.session.Exchange().sequence(), 136);
}

void tst_TControllerOverPty::shouldWriteAllDataWithRandomFaults() {
    TTestMessageBoxes boxes;
    Rig rig;
    rig.editList(21);
    rig.list.store.SortBy(rig.list.slave, 2, true); // status, descending
    {
        std::lock_guard<std::mutex> hold(rig.line.Lock());
        rig.sim.Clear();
        rig.sim.SetRandomFaults(0.05, 99,
                                {Fault::WrongAck, Fault::BadChecksum, Fault::WrongCommand, Fault::Noise});
    }
    rig.host.data.info = QStringLiteral("Side gate");
    rig.open();
    rig.commands.DPutAllActExecute();
    QCOMPARE(rig.mismatch(true), QString());
    QCOMPARE(rig.mismatch(false), QString());
    std::lock_guard<std::mutex> hold(rig.line.Lock());
    QCOMPARE(TControllerInfo::BytesToText(rig.sim.info.data(), 32), QStringLiteral("Side gate"));
    QVERIFY(rig.sim.faulted > 0);
    QCOMPARE(rig.sim.closingFrames, 1);
    QCOMPARE(boxes.count(TMessageBoxes::Kind::Error), 0);
}

void tst_TControllerOverPty::shouldShowTheFailureMatrixOverTheLine_data() {
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("requests");
    const QString integrity = QStringLiteral("Data integritatity check error.");
    QTest::newRow("no answer") << int(Fault::NoAnswer) << -1
                               << QStringList{QStringLiteral("The controller does not answer on COM7.")} << 5;
    QTest::newRow("bad checksum") << int(Fault::BadChecksum) << -1 << QStringList(5, integrity) << 5;
    QTest::newRow("wrong acknowledge") << int(Fault::WrongAck) << -1 << QStringList() << 5;
    QTest::newRow("short reply twice, then whole") << int(Fault::ShortReply) << 2 << QStringList() << 3;
    QTest::newRow("reply after 300 ms") << int(Fault::LateReply) << -1 << QStringList() << 1;
}

void tst_TControllerOverPty::shouldShowTheFailureMatrixOverTheLine() {
    QFETCH(int, fault);
    QFETCH(int, count);
    QFETCH(QStringList, texts);
    QFETCH(int, requests);
    TSleep::setHandler(nullptr);
    TTestMessageBoxes boxes;
    Rig rig;
    rig.open();
    {
        std::lock_guard<std::mutex> hold(rig.line.Lock());
        rig.sim.SetFault(0xC4, Form::Read, Fault(fault), count);
    }
    const bool read = requests < 5 || count > 0;
    QString serial = QStringLiteral("kept");
    QCOMPARE(rig.session.Info().ReadControllerSerial(serial), read);
    QCOMPARE(serial, read ? QStringLiteral("VT000417") : QStringLiteral("kept"));
    QCOMPARE(boxes.texts(), texts);
    std::lock_guard<std::mutex> hold(rig.line.Lock());
    QCOMPARE(rig.sim.requests, requests);
}

void tst_TControllerOverPty::shouldCountTheLineTestAgainstTheSimulator() {
    TSleep::setHandler(hookedWait);
    TTestMessageBoxes boxes;
    Rig rig;
    {
        std::lock_guard<std::mutex> hold(rig.line.Lock());
        rig.sim.SetFault(TControllerSim::LineTest, Form::Any, Fault::NoAnswer, 3);
    }
    TLineTestFrm frm(rig.port, rig.host);
    frm.show();
    int cycles = 0;
    duringWait = [&] {
        if (++cycles == 10)
            frm.StopBtn->click();
    };
    rig.chooser.queueAnswer(ComNumber);
    frm.StartBtn->click(); // opens the closed port first
    QVERIFY(rig.port.Open());
    QCOMPARE(frm.Edit1->text(), QStringLiteral("7"));
    QCOMPARE(frm.Edit2->text(), QStringLiteral("3"));
    QVERIFY(frm.Light1->Lit());
    QVERIFY(frm.Light2->Lit());
    QCOMPARE(boxes.shown.size(), 0);
}

QTEST_MAIN(tst_TControllerOverPty)
#include "tst_TControllerOverPty.moc"
