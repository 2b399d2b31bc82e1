// Wall time of changing one key on a controller, verified, through the real serial port against
// the simulator on a pseudo-terminal: the synchronise command (a full read, one write, one
// read-back) beside the blind way (write both tables, then read them to check). Also the cost of
// a compare beyond its read, and how long the Differences window takes to open.
#include "controller/TControllerHost.h"
#include "controller/TControllerPort.h"
#include "controller/TControllerSession.h"
#include "seams/TInstalledMessageBoxes.h"
#include "seams/TPortChooser.h"
#include "serial/TSerComPort.h"
#include "sync/TKeyComparison.h"
#include "sync/TKeyTables.h"
#include "sync/TSnapshotStore.h"
#include "sync/TSyncCommands.h"
#include "sync/ui/TDifferencesFrm.h"
#include "tools/ctrlsim/TControllerSim.h"
#include "tools/ctrlsim/TPtyController.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

namespace {
class TBenchHost : public TControllerHost {
public:
    explicit TBenchHost(TSerComPort& port) : opener(port, nullptr) {}
    void OpenControllerPort() override { opener.OpenControllerPort(); }
    void StepProgress(int) override {}
    void PumpMessages() override { QCoreApplication::processEvents(); }
    TControllerInfoData ControllerInfoData() const override { return {}; }
    void SetControllerInfoData(const TControllerInfoData&) override {}
    void SetKeyTransferEnabled(bool) override {}
    void StartProgress(const QString&) override {}
    void CloseProgress() override {}
    TKeyView& MasterView() override { return list.master; }
    TKeyView& SlaveView() override { return list.slave; }
    TControllerPort opener;
    TKeyTables list;
};

class TFixedChooser : public TPortChooser {
public:
    int ChoosePort() override { return 7; }
};

class TAcceptingViewer : public TSyncViewer {
public:
    bool ShowComparison(const TKeyComparison& comparison, Purpose) override {
        shown = comparison.DifferenceCount();
        return true;
    }
    int shown = -1;
};

double seconds(QElapsedTimer& timer) {
    const double s = timer.nsecsElapsed() / 1e9;
    timer.restart();
    return s;
}
} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir data;
    TControllerSim sim;
    for (int i = 0; i < 128; i += 2) // a well-used controller: 64 slave keys
        sim.slave[i] = TControllerSim::ActiveSlot(
            i, QStringLiteral("0100000100%1").arg(i, 2, 16, QLatin1Char('0')).toUpper().toStdString(),
            "Flat " + std::to_string(i));
    TPtyController line(sim);
    std::string error;
    if (!line.Start(error)) {
        std::fprintf(stderr, "bench_sync: %s\n", error.c_str());
        return 1;
    }
    qputenv("VTRK_COM7", QByteArray::fromStdString(line.DevicePath()));
    TFixedChooser chooser;
    TPortChooser::setInstance(&chooser);
    TSerComPort port;
    port.SetAutoOpen(false);
    TBenchHost host(port);
    TControllerSession session(port, host, host, TInstalledMessageBoxes::Shared());
    TSnapshotStore store(data.path());
    TAcceptingViewer viewer;
    TSyncCommands sync(session.Exchange(), host, viewer, store, TInstalledMessageBoxes::Shared());
    host.OpenControllerPort();

    // The list: what the controller holds, with one note changed.
    QElapsedTimer timer;
    timer.start();
    session.Transfer().ReadMasterKeys(host.list.master);
    session.Transfer().ReadSlaveKeys(host.list.slave);
    const double tablesRead = seconds(timer);
    QString infoText;
    session.Info().ReadProgramVersion(infoText);
    session.Info().ReadControllerSerial(infoText);
    session.Info().ReadControllerInfo(infoText);
    const double readAll = tablesRead + seconds(timer);
    TKeySlot key = host.list.slave.Slot(10);
    key.memo = QStringLiteral("Flat 10, new tenant");
    host.list.slave.SetSlot(10, key);

    timer.restart();
    sync.WriteChanges(QStringLiteral("VT000417"));
    const double synced = seconds(timer);
    const int changed = viewer.shown;

    key.memo = QStringLiteral("Flat 10, next tenant");
    host.list.slave.SetSlot(10, key);
    timer.restart();
    session.Transfer().WriteMasterKeys(host.list.master);
    session.Transfer().WriteSlaveKeys(host.list.slave);
    TKeyTables check;
    session.Transfer().ReadMasterKeys(check.master);
    session.Transfer().ReadSlaveKeys(check.slave);
    const double blind = seconds(timer);

    timer.restart();
    sync.Compare(QStringLiteral("VT000417"));
    const double compared = seconds(timer);

    // The comparison alone, and the snapshot it stores.
    TKeyTables held = host.list;
    held.serial = QStringLiteral("VT000417");
    constexpr int Rounds = 200;
    timer.restart();
    for (int i = 0; i < Rounds; ++i)
        TKeyComparison(host.list, held);
    const double comparison = seconds(timer) / Rounds;
    store.Save(held, TSnapshotStore::Kind::Read);
    const double snapshot = seconds(timer);

    TDifferencesFrm window;
    held.slave.SetSlot(3, host.list.slave.EmptySlot(3));
    const TKeyComparison shown(host.list, held);
    timer.restart();
    window.Present(shown, TSyncViewer::Purpose::Compare);
    window.show();
    QCoreApplication::processEvents();
    const double opened = seconds(timer);

    std::printf("change one key, verified (synchronise): %.3f s (%d slot written)\n", synced, changed);
    std::printf("change one key, blind write all + read: %.3f s\n", blind);
    std::printf("read all (information and tables)    : %.3f s\n", readAll);
    std::printf("compare (read all, compare, snapshot): %.3f s, %+.0f ms beyond the read\n", compared,
                1000 * (compared - readAll));
    std::printf("  comparison %.3f ms, snapshot %.1f ms\n", 1000 * comparison, 1000 * snapshot);
    std::printf("differences window opens in          : %.1f ms\n", 1000 * opened);
    port.SetOpen(false);
    TPortChooser::setInstance(nullptr);
    line.Stop();
    return 0;
}
