// One controller conversation as the window and vtrk drive it, against the controller simulator.
#include "seams/TSleep.h"
#include "sync/TDoorSession.h"
#include "sync/TKeyTables.h"
#include "tests/controller/TFakeControllerHost.h"
#include "tests/controller/TScriptedPort.h"
#include "tests/support/TTestMessageBoxes.h"
#include "tools/ctrlsim/TControllerSim.h"

#include <QtTest>

namespace {
using Command = TDoorSession::TCommand;
using Ending = TControllerCommands::Ending;

void noSleep(int) {}

class TSilentViewer : public TSyncViewer {
public:
    bool ShowComparison(const TKeyComparison&, Purpose) override { return false; }
};
} // namespace

Q_DECLARE_METATYPE(Command)

class tst_TDoorSession : public QObject {
    Q_OBJECT

    QTemporaryDir dataDir;
    TControllerSim sim;
    TScriptedPort port;
    TFakeControllerHost host;
    TSilentViewer viewer;

    int slotWrites() const {
        int count = 0;
        for (const QByteArray& r : port.requests())
            count += r.size() == 39 && (quint8(r[3]) == 0xC0 || quint8(r[3]) == 0xC1) && r[4] == 0x00 ? 1 : 0;
        return count;
    }

private slots:
    void init();
    void cleanup() { TSleep::setHandler(nullptr); }

    void shouldKeepWhatEachCommandReadWholeAndTheIdentityItSaw_data();
    void shouldKeepWhatEachCommandReadWholeAndTheIdentityItSaw();
    void shouldBeBusyForTheWholeOfEveryCommand();
    void shouldFileAReadUnderTheControllerReadNotTheListShown();
};

void tst_TDoorSession::init() {
    QVERIFY(dataDir.isValid());
    QDir(dataDir.path()).removeRecursively();
    QDir().mkpath(dataDir.path());
    sim = TControllerSim(); // the demonstration keys, serial VT000417
    port = TScriptedPort();
    port.playController(sim);
    host = TFakeControllerHost();
    TSleep::setHandler(noSleep);
}

void tst_TDoorSession::shouldKeepWhatEachCommandReadWholeAndTheIdentityItSaw_data() {
    QTest::addColumn<Command>("command");
    QTest::addColumn<bool>("declineWarning");
    QTest::addColumn<Ending>("ending");
    QTest::addColumn<int>("snapshots");
    QTest::addColumn<bool>("slaveValid");
    QTest::addColumn<QString>("identity");
    QTest::addColumn<int>("writes");
    QTest::newRow("read all") << Command(&TControllerCommands::DGetAllActExecute) << false << Ending::Done
                              << 1 << true << QStringLiteral("VT000417") << 0;
    QTest::newRow("read master keys") << Command(&TControllerCommands::DGetMKeysActExecute) << false
                                      << Ending::Done << 1 << false << TControllerInfoData().serial << 0;
    QTest::newRow("read information") << Command(&TControllerCommands::DGetInfoActExecute) << false
                                      << Ending::Done << 0 << false << QStringLiteral("VT000417") << 0;
    QTest::newRow("write master keys") << Command(&TControllerCommands::DPutMKeysActExecute) << false
                                       << Ending::Done << 0 << false << TControllerInfoData().serial << 8;
    QTest::newRow("write master keys, warning declined")
        << Command(&TControllerCommands::DPutMKeysActExecute) << true << Ending::Cancelled << 0 << false
        << TControllerInfoData().serial << 0;
}

void tst_TDoorSession::shouldKeepWhatEachCommandReadWholeAndTheIdentityItSaw() {
    QFETCH(Command, command);
    QFETCH(bool, declineWarning);
    QFETCH(Ending, ending);
    QFETCH(int, snapshots);
    QFETCH(bool, slaveValid);
    QFETCH(QString, identity);
    QFETCH(int, writes);
    TTestMessageBoxes boxes;
    // The fake list holds no active master key: a master write is warned about first.
    if (declineWarning)
        boxes.queueAnswer(TMessageBoxes::Answer::Cancel);
    TDoorSession door(port, host, viewer, boxes, TSnapshotStore(dataDir.path()));
    // What a read before the session knew no identity is filed under the list's fields.
    host.data.serial = QStringLiteral("VT000417");

    QCOMPARE(door.Run(command).ending, ending);

    QCOMPARE(door.Identity().serial, identity);
    if (identity != TControllerInfoData().serial)
        QCOMPARE(host.data.info, QStringLiteral("Main entrance"));
    QCOMPARE(slotWrites(), writes);
    const QList<TSnapshotStore::TSnapshot> kept = door.Snapshots().Snapshots(QStringLiteral("VT000417"));
    QCOMPARE(kept.size(), snapshots);
    if (snapshots > 0) {
        QVERIFY(kept[0].masterValid);
        QCOMPARE(kept[0].slaveValid, slaveValid);
        QCOMPARE(TSnapshotStore::Load(kept[0]).master.Slot(1).memo, QStringLiteral("Caretaker"));
    }
    // The next command starts from nothing recorded.
    QCOMPARE(door.Run(&TControllerCommands::DGetInfoActExecute).ending, Ending::Done);
    QCOMPARE(door.Snapshots().Snapshots(QStringLiteral("VT000417")).size(), snapshots);
}

void tst_TDoorSession::shouldBeBusyForTheWholeOfEveryCommand() {
    TTestMessageBoxes boxes;
    TDoorSession door(port, host, viewer, boxes, TSnapshotStore(dataDir.path()));
    QList<bool> busy;
    host.onPump = [&] { busy.append(door.Busy()); };
    boxes.onShow = [&](const TTestMessageBoxes::Shown&) { busy.append(door.Busy()); };

    QVERIFY(!door.Busy());
    door.Run(&TControllerCommands::DGetAllActExecute);
    const int afterRead = busy.size();
    QVERIFY(afterRead > 0);
    QVERIFY(!door.Busy());
    door.Compare(QStringLiteral("VT000417"));
    QVERIFY(busy.size() > afterRead);
    QVERIFY(!door.Busy());
    QVERIFY(!busy.contains(false));
}

QTEST_GUILESS_MAIN(tst_TDoorSession)
#include "tst_TDoorSession.moc"

void tst_TDoorSession::shouldFileAReadUnderTheControllerReadNotTheListShown() {
    TTestMessageBoxes boxes;
    TDoorSession door(port, host, viewer, boxes, TSnapshotStore(dataDir.path()));
    QCOMPARE(door.Run(&TControllerCommands::DGetInfoActExecute).ending, Ending::Done);
    // Another controller's list opened meanwhile: the window's fields show its serial number.
    host.data.serial = QStringLiteral("VT000999");
    host.data.info = QStringLiteral("Back door");
    QCOMPARE(door.Run(&TControllerCommands::DGetMKeysActExecute).ending, Ending::Done);
    const QList<TSnapshotStore::TSnapshot> kept = door.Snapshots().Snapshots(QStringLiteral("VT000417"));
    QCOMPARE(kept.size(), 1);
    QCOMPARE(kept[0].info, QStringLiteral("Main entrance"));
    QVERIFY(door.Snapshots().Snapshots(QStringLiteral("VT000999")).isEmpty());
}
