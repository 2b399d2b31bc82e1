// Wall time of a full key-table read and write through the real serial port against the
// simulator on a pseudo-terminal, beside the protocol's floor of one 100 ms wait per attempt.
// Options: --reply-delay MS or MIN-MAX (a slow controller), --random-faults RATE, --seed N.
#include "controller/TControllerHost.h"
#include "controller/TControllerPort.h"
#include "controller/TControllerSession.h"
#include "keys/TKeyView.h"
#include "seams/TInstalledMessageBoxes.h"
#include "seams/TPortChooser.h"
#include "serial/TSerComPort.h"
#include "tools/ctrlsim/TControllerSim.h"
#include "tools/ctrlsim/TPtyController.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
class TMemoryView : public TKeyView {
public:
    explicit TMemoryView(int slotCount) {
        for (int i = 0; i < slotCount; ++i) {
            TKeySlot key;
            key.recId = i;
            key.keyId = i;
            key.active = i % 2 == 0;
            key.keyCode = key.active ? QStringLiteral("0102030405%1").arg(i % 100, 2, 10, QLatin1Char('0'))
                                     : QStringLiteral("<EMPTY>");
            key.memo = QStringLiteral("Key %1").arg(i);
            records.append(key);
        }
    }
    bool IsOpen() const override { return true; }
    int RecCount() const override { return 137; }
    QList<int> SlotRecords() override {
        QList<int> list;
        for (int i = 0; i < records.size(); ++i)
            list.append(i);
        return list;
    }
    TKeySlot Load(int recNo) override { return records[recNo]; }
    void Store(int recNo, const TKeySlot& key) override { records[recNo] = key; }
    int CurrentRecNo() const override { return 0; }
    void GoToRecNo(int) override {}
    void First() override {}
    QList<TKeySlot> records;
};

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
    TKeyView& MasterView() override { return master; }
    TKeyView& SlaveView() override { return slave; }
    TControllerPort opener;
    TMemoryView master{8};
    TMemoryView slave{128};
};

class TFixedChooser : public TPortChooser {
public:
    int ChoosePort() override { return 7; }
};

int usage() {
    std::fprintf(stderr,
                 "usage: bench_transfer [--reply-delay MS|MIN-MAX] [--random-faults RATE] [--seed N]\n");
    return 2;
}

int failedSlots(const QList<TKeyTransfer::Result>& results) {
    int failed = 0;
    for (const TKeyTransfer::Result& result : results)
        failed += result.failedSlots.size() + (result.end == TKeyTransfer::Result::End::Completed ? 0 : 1000);
    return failed;
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    TControllerSim sim;
    int delayMin = 0, delayMax = 0;
    double rate = 0;
    unsigned seed = 1;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (!std::strcmp(argv[i], "--reply-delay") && hasValue) {
            if (!TControllerSim::ParseReplyDelay(argv[++i], delayMin, delayMax))
                return usage();
        } else if (!std::strcmp(argv[i], "--random-faults") && hasValue) {
            rate = std::atof(argv[++i]);
        } else if (!std::strcmp(argv[i], "--seed") && hasValue) {
            seed = static_cast<unsigned>(std::atoi(argv[++i]));
        } else {
            return usage();
        }
    }
    sim.SetReplyDelay(delayMin, delayMax, seed);
    sim.SetRandomFaults(rate, seed,
                        {TControllerSim::Fault::NoAnswer, TControllerSim::Fault::WrongAck,
                         TControllerSim::Fault::BadChecksum, TControllerSim::Fault::WrongCommand,
                         TControllerSim::Fault::ShortReply, TControllerSim::Fault::LateReply,
                         TControllerSim::Fault::Noise});
    TPtyController line(sim);
    std::string error;
    if (!line.Start(error)) {
        std::fprintf(stderr, "bench_transfer: %s\n", error.c_str());
        return 1;
    }
    qputenv("VTRK_COM7", QByteArray::fromStdString(line.DevicePath()));
    TFixedChooser chooser;
    TPortChooser::setInstance(&chooser);
    TSerComPort port;
    port.SetAutoOpen(false);
    TBenchHost host(port);
    TControllerSession session(port, host, host, TInstalledMessageBoxes::Shared());
    host.OpenControllerPort();
    if (!port.Open()) {
        std::fprintf(stderr, "bench_transfer: cannot open %s\n", line.DevicePath().c_str());
        return 1;
    }

    const double floorRead = 136 * 0.1;
    const double floorWrite = 136 * 0.1 + 0.1; // and the closing frame's wait
    QElapsedTimer timer;
    timer.start();
    const QList<TKeyTransfer::Result> reads = {session.Transfer().ReadMasterKeys(host.master),
                                               session.Transfer().ReadSlaveKeys(host.slave)};
    const double read = timer.nsecsElapsed() / 1e9;
    timer.restart();
    const QList<TKeyTransfer::Result> writes = {session.Transfer().WriteMasterKeys(host.master),
                                                session.Transfer().WriteSlaveKeys(host.slave)};
    const double write = timer.nsecsElapsed() / 1e9;
    std::printf("reply delay %d-%d ms, random faults %.2f (seed %u)\n", delayMin, delayMax, rate, seed);
    std::printf("full read : %.3f s, floor %.1f s, %+.2f %%, slots not read: %d\n", read, floorRead,
                100 * (read / floorRead - 1), failedSlots(reads));
    std::printf("full write: %.3f s, floor %.1f s, %+.2f %%, slots not written: %d\n", write, floorWrite,
                100 * (write / floorWrite - 1), failedSlots(writes));
    port.SetOpen(false);
    TPortChooser::setInstance(nullptr);
    line.Stop();
    return 0;
}
