#include "controller/TControllerCommands.h"

#include "controller/TControllerHost.h"
#include "keys/TKeyView.h"
#include "seams/TMessageBoxes.h"
#include "serial/TSerDataPort.h"

namespace {
const QString ReadingMaster = QStringLiteral("Reading master keys list from controller...");
const QString ReadingSlave = QStringLiteral("Reading slave keys list from controller...");
const QString WritingMaster = QStringLiteral("Writing master keys list to controller...");
const QString WritingSlave = QStringLiteral("Writing slave keys list to controller...");
const QString MasterEmpty =
    QStringLiteral("Cannot write master keys list into the controller because it is empty.");
const QString SlaveEmpty =
    QStringLiteral("Cannot write slave keys list into the controller because it is empty.");

bool hasRecords(TKeyView& view) {
    return view.IsOpen() && view.RecCount() > 0;
}
} // namespace

// Marks a command as running for its whole length, also when it ends by an exception.
class TControllerCommands::RunningGuard {
public:
    explicit RunningGuard(bool& flag) : flag(flag), outer(flag) { flag = true; }
    ~RunningGuard() { flag = outer; }

private:
    bool& flag;
    bool outer;
};

TControllerCommands::TControllerCommands(TControllerSession& session, TControllerHost& host)
    : host(host), exchange(session.Exchange()), info(session.Info()), transfer(session.Transfer()) {}

template <typename Routine> void TControllerCommands::WithProgress(const QString& text, Routine routine) {
    struct Closer {
        TControllerHost& host;
        ~Closer() { host.CloseProgress(); }
    } closer{host};
    host.StartProgress(text);
    routine();
}

template <typename Change> void TControllerCommands::UpdateInfoData(Change change) {
    TControllerInfoData data = host.ControllerInfoData();
    change(data);
    host.SetControllerInfoData(data);
}

void TControllerCommands::Run(TTransferReport& report, TKeyTransfer::Table table, TKeyView& view,
                              bool write) {
    const bool master = table == TKeyTransfer::Table::Master;
    const QString text =
        write ? (master ? WritingMaster : WritingSlave) : (master ? ReadingMaster : ReadingSlave);
    WithProgress(text, [&] {
        report.Add(table, write ? transfer.WriteKeys(table, view) : transfer.ReadKeys(table, view));
    });
}

void TControllerCommands::ShowReport(const TTransferReport& report) {
    const QString text = report.Text(exchange.port().PortNumber());
    if (report.Kind() == TTransferReport::Severity::Error)
        MessageBoxes().error(text);
    else if (report.Kind() == TTransferReport::Severity::Warning)
        MessageBoxes().warning(text);
}

void TControllerCommands::DGetInfoActExecute() {
    RunningGuard guard(running);
    QString version;
    info.ReadProgramVersion(version);
    // A port that hung up has been told in its box and has disabled the actions by closing.
    if (exchange.PortLost())
        return;
    if (!TControllerInfo::IsSupportedVersion(version)) {
        UpdateInfoData([&](TControllerInfoData& data) {
            data.versionCode = version;
            data.RefuseVersion();
        });
        MessageBoxes().warning(TControllerInfo::UnknownVersionWarning(version));
        host.SetKeyTransferEnabled(false);
        return;
    }
    UpdateInfoData([&](TControllerInfoData& data) {
        data.versionCode = version;
        data.AcceptVersion();
    });
    host.SetKeyTransferEnabled(true);
    QString serial;
    info.ReadControllerSerial(serial);
    UpdateInfoData([&](TControllerInfoData& data) { data.serial = serial; });
    if (exchange.PortLost())
        return;
    QString infoText;
    info.ReadControllerInfo(infoText);
    UpdateInfoData([&](TControllerInfoData& data) { data.info = infoText; });
}

void TControllerCommands::ConfirmInfoWrite() {
    const QString text = host.ControllerInfoData().info;
    // "<unknown>" is this program's placeholder, never the controller's information.
    if (text == TControllerInfo::UnknownText) {
        MessageBoxes().warning(TControllerInfo::UnknownInfoText);
        return;
    }
    if (MessageBoxes().confirmOkCancel(
            QStringLiteral("Are you sure you want to change controller information to:\r") + text))
        info.WriteControllerInfo(text);
}

void TControllerCommands::DPutInfoActExecute() {
    RunningGuard guard(running);
    ConfirmInfoWrite();
}

void TControllerCommands::DGetMKeysActExecute() {
    RunningGuard guard(running);
    TKeyView& view = host.MasterView();
    if (!view.IsOpen()) {
        MessageBoxes().error(QStringLiteral(
            "To read Master keys from controller you must first create new or open key list."));
        return;
    }
    if (view.RecCount() == 0)
        return;
    if (!MessageBoxes().confirmOkCancel(QStringLiteral(
            "You are about to read Master keys from controller. Current Master keys list\rwill be "
            "overwrited. Are you sure you want to continue?")))
        return;
    TTransferReport report(TTransferReport::Direction::Read);
    Run(report, TKeyTransfer::Table::Master, view, false);
    ShowReport(report);
}

void TControllerCommands::DGetSKeysActExecute() {
    RunningGuard guard(running);
    TKeyView& view = host.SlaveView();
    if (!view.IsOpen()) {
        MessageBoxes().error(
            QStringLiteral("To read Slave keys from controlle you must first create new or open key list."));
        return;
    }
    if (view.RecCount() == 0)
        return;
    if (!MessageBoxes().confirmOkCancel(QStringLiteral(
            "You are about to read Slave keys from controller. Current Slave keys list\rwill be "
            "overwrited. Are you sure you want to continue?")))
        return;
    TTransferReport report(TTransferReport::Direction::Read);
    Run(report, TKeyTransfer::Table::Slave, view, false);
    ShowReport(report);
}

void TControllerCommands::DGetAllActExecute() {
    RunningGuard guard(running);
    TKeyView& master = host.MasterView();
    TKeyView& slave = host.SlaveView();
    if (!master.IsOpen() || !slave.IsOpen()) {
        MessageBoxes().error(
            QStringLiteral("To read keys from controller you must first create new or open key list."));
        return;
    }
    if (!MessageBoxes().confirmOkCancel(QStringLiteral(
            "You are about to read all information from controller.Current information and keys "
            "list\rwill be overwrited. Are you sure you want to continue?")))
        return;
    DGetInfoActExecute();
    if (exchange.PortLost())
        return;
    TTransferReport report(TTransferReport::Direction::Read);
    Run(report, TKeyTransfer::Table::Master, master, false);
    if (report.Stopped())
        report.Skip(TKeyTransfer::Table::Slave);
    else
        Run(report, TKeyTransfer::Table::Slave, slave, false);
    ShowReport(report);
}

void TControllerCommands::DPutMKeysActExecute() {
    RunningGuard guard(running);
    TKeyView& view = host.MasterView();
    if (!hasRecords(view)) {
        MessageBoxes().error(
            QStringLiteral("Cannot load master keys list into the controller because it is empty."));
        return;
    }
    if (!MessageBoxes().confirmOkCancel(QStringLiteral(
            "You are about to overwrite controller`s master keys list.\rAre you sure you want to continue?")))
        return;
    TTransferReport report(TTransferReport::Direction::Write);
    Run(report, TKeyTransfer::Table::Master, view, true);
    ShowReport(report);
}

void TControllerCommands::DPutSKeysActExecute() {
    RunningGuard guard(running);
    TKeyView& view = host.SlaveView();
    if (!hasRecords(view)) {
        MessageBoxes().error(SlaveEmpty);
        return;
    }
    if (!MessageBoxes().confirmOkCancel(QStringLiteral(
            "You are about to overwrite controller`s slave keys list.\rAre you sure you want to continue?")))
        return;
    TTransferReport report(TTransferReport::Direction::Write);
    Run(report, TKeyTransfer::Table::Slave, view, true);
    ShowReport(report);
}

void TControllerCommands::DPutAllActExecute() {
    RunningGuard guard(running);
    if (MessageBoxes().confirmOkCancel(QStringLiteral(
            "You are about to overwrite full controller`s keys list.\rAre you sure you want to continue?"))) {
        const TTransferReport report = WriteAllKeys();
        // Without its port the information step could only fail.
        if (report.PortLost())
            return;
    }
    ConfirmInfoWrite();
}

TTransferReport TControllerCommands::WriteAllKeys() {
    TKeyView& master = host.MasterView();
    TKeyView& slave = host.SlaveView();
    TTransferReport report(TTransferReport::Direction::Write);
    const QString refusal = TKeyTransfer::RefusalText(&master, &slave);
    if (!refusal.isEmpty()) {
        // The key writes are refused; the information block is a separate step and still offered.
        MessageBoxes().error(refusal);
        return report;
    }
    if (hasRecords(master))
        Run(report, TKeyTransfer::Table::Master, master, true);
    else
        MessageBoxes().error(MasterEmpty);
    if (report.Stopped())
        report.Skip(TKeyTransfer::Table::Slave);
    else if (hasRecords(slave))
        Run(report, TKeyTransfer::Table::Slave, slave, true);
    else
        MessageBoxes().error(SlaveEmpty);
    ShowReport(report);
    return report;
}
