#include "controller/TControllerCommands.h"

#include "controller/TControllerHost.h"
#include "keys/TKeyView.h"
#include "seams/TMessageBoxes.h"
#include "serial/TSerDataPort.h"

#include <algorithm>

namespace {
QString progressText(bool master, bool write) {
    if (write)
        return master ? TControllerCommands::tr("Writing master keys list to controller...")
                      : TControllerCommands::tr("Writing slave keys list to controller...");
    return master ? TControllerCommands::tr("Reading master keys list from controller...")
                  : TControllerCommands::tr("Reading slave keys list from controller...");
}

QString emptyText(bool master) {
    return master ? TControllerCommands::tr(
                        "Cannot write master keys list into the controller because it is empty.")
                  : TControllerCommands::tr(
                        "Cannot write slave keys list into the controller because it is empty.");
}

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
    : host(host), exchange(session.Exchange()), info(session.Info()), transfer(session.Transfer()),
      boxes(session.Exchange().Boxes()) {}

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
    WithProgress(progressText(master, write), [&] {
        report.Add(table, write ? transfer.WriteKeys(table, view) : transfer.ReadKeys(table, view));
    });
}

void TControllerCommands::ShowReport(const TTransferReport& report) {
    const QString text = report.Text(exchange.port().PortNumber());
    if (report.Kind() == TTransferReport::Severity::Error)
        boxes.error(text);
    else if (report.Kind() == TTransferReport::Severity::Warning)
        boxes.warning(text);
}

TControllerCommands::Ending TControllerCommands::EndingOf(TControllerExchange::Outcome outcome) {
    using Outcome = TControllerExchange::Outcome;
    switch (outcome) {
    case Outcome::Done:
        return Ending::Done;
    case Outcome::Silent:
        return Ending::Silent;
    case Outcome::PortGone:
        return Ending::PortLost;
    default:
        return Ending::PartlyFailed;
    }
}

TControllerCommands::Ending TControllerCommands::EndingOf(const TTransferReport& report) {
    using End = TKeyTransfer::Result::End;
    if (report.PortLost())
        return Ending::PortLost;
    if (report.Any(End::ControllerSilent))
        return Ending::Silent;
    if (report.Kind() != TTransferReport::Severity::None)
        return Ending::PartlyFailed;
    return report.Any(End::Refused) ? Ending::Refused : Ending::Done;
}

TControllerCommands::TResult TControllerCommands::Reported(const TTransferReport& report, Ending before) {
    ShowReport(report);
    return {std::max(before, EndingOf(report)), report};
}

TControllerCommands::Ending TControllerCommands::ReadIdentity() {
    QString version;
    const bool versionRead = info.ReadProgramVersion(version);
    // A port that hung up has been told in its box and has disabled the actions by closing.
    if (exchange.PortLost())
        return Ending::PortLost;
    if (!TControllerInfo::IsSupportedVersion(version)) {
        UpdateInfoData([&](TControllerInfoData& data) {
            data.versionCode = version;
            data.RefuseVersion();
        });
        boxes.warning(TControllerInfo::UnknownVersionWarning(version));
        host.SetKeyTransferEnabled(false);
        return versionRead ? Ending::VersionRefused : EndingOf(info.LastOutcome());
    }
    UpdateInfoData([&](TControllerInfoData& data) {
        data.versionCode = version;
        data.AcceptVersion();
    });
    host.SetKeyTransferEnabled(true);
    QString serial;
    const Ending serialEnding =
        info.ReadControllerSerial(serial) ? Ending::Done : EndingOf(info.LastOutcome());
    UpdateInfoData([&](TControllerInfoData& data) { data.serial = serial; });
    if (exchange.PortLost())
        return Ending::PortLost;
    QString infoText;
    const Ending infoEnding = info.ReadControllerInfo(infoText) ? Ending::Done : EndingOf(info.LastOutcome());
    UpdateInfoData([&](TControllerInfoData& data) { data.info = infoText; });
    return std::max(serialEnding, infoEnding);
}

TControllerCommands::TResult TControllerCommands::DGetInfoActExecute() {
    RunningGuard guard(running);
    return {ReadIdentity(), std::nullopt};
}

TControllerCommands::Ending TControllerCommands::ConfirmInfoWrite() {
    const QString text = host.ControllerInfoData().info;
    // "<unknown>" is this program's placeholder, never the controller's information.
    if (text == TControllerInfo::UnknownText) {
        boxes.warning(TControllerInfo::UnknownInfoText());
        return Ending::Refused;
    }
    if (!boxes.confirmOkCancel(tr("Are you sure you want to change controller information to:\r") + text))
        return Ending::Cancelled;
    return info.WriteControllerInfo(text) ? Ending::Done : EndingOf(info.LastOutcome());
}

TControllerCommands::TResult TControllerCommands::DPutInfoActExecute() {
    RunningGuard guard(running);
    return {ConfirmInfoWrite(), std::nullopt};
}

TControllerCommands::TResult TControllerCommands::ReadTable(TKeyTransfer::Table table, const QString& notOpen,
                                                            const QString& question) {
    RunningGuard guard(running);
    TKeyView& view = table == TKeyTransfer::Table::Master ? host.MasterView() : host.SlaveView();
    if (!view.IsOpen()) {
        boxes.error(notOpen);
        return {Ending::Refused, std::nullopt};
    }
    // A list without records has no slot to read into; the program never said anything about it.
    if (view.RecCount() == 0)
        return {Ending::Refused, std::nullopt};
    if (!boxes.confirmOkCancel(question))
        return {Ending::Cancelled, std::nullopt};
    TTransferReport report(TTransferReport::Direction::Read);
    Run(report, table, view, false);
    return Reported(report);
}

TControllerCommands::TResult TControllerCommands::DGetMKeysActExecute() {
    return ReadTable(TKeyTransfer::Table::Master,
                     tr("To read Master keys from controller you must first create new or open key list."),
                     tr("You are about to read Master keys from controller. Current Master keys list\rwill "
                        "be overwrited. Are you sure you want to continue?"));
}

TControllerCommands::TResult TControllerCommands::DGetSKeysActExecute() {
    return ReadTable(TKeyTransfer::Table::Slave,
                     tr("To read Slave keys from controlle you must first create new or open key list."),
                     tr("You are about to read Slave keys from controller. Current Slave keys list\rwill "
                        "be overwrited. Are you sure you want to continue?"));
}

TControllerCommands::TResult TControllerCommands::DGetAllActExecute() {
    RunningGuard guard(running);
    TKeyView& master = host.MasterView();
    TKeyView& slave = host.SlaveView();
    if (!master.IsOpen() || !slave.IsOpen()) {
        boxes.error(tr("To read keys from controller you must first create new or open key list."));
        return {Ending::Refused, std::nullopt};
    }
    if (!boxes.confirmOkCancel(
            tr("You are about to read all information from controller.Current information and keys "
               "list\rwill be overwrited. Are you sure you want to continue?")))
        return {Ending::Cancelled, std::nullopt};
    const Ending identity = ReadIdentity();
    if (exchange.PortLost())
        return {Ending::PortLost, std::nullopt};
    TTransferReport report(TTransferReport::Direction::Read);
    Run(report, TKeyTransfer::Table::Master, master, false);
    if (report.Stopped())
        report.Skip(TKeyTransfer::Table::Slave);
    else
        Run(report, TKeyTransfer::Table::Slave, slave, false);
    return Reported(report, identity);
}

TControllerCommands::TResult TControllerCommands::WriteTable(TKeyTransfer::Table table, const QString& empty,
                                                             const QString& question) {
    RunningGuard guard(running);
    TKeyView& view = table == TKeyTransfer::Table::Master ? host.MasterView() : host.SlaveView();
    if (!hasRecords(view)) {
        boxes.error(empty);
        return {Ending::Refused, std::nullopt};
    }
    if (!boxes.confirmOkCancel(question))
        return {Ending::Cancelled, std::nullopt};
    TTransferReport report(TTransferReport::Direction::Write);
    Run(report, table, view, true);
    return Reported(report);
}

TControllerCommands::TResult TControllerCommands::DPutMKeysActExecute() {
    return WriteTable(
        TKeyTransfer::Table::Master,
        tr("Cannot load master keys list into the controller because it is empty."),
        tr("You are about to overwrite controller`s master keys list.\rAre you sure you want to continue?"));
}

TControllerCommands::TResult TControllerCommands::DPutSKeysActExecute() {
    return WriteTable(
        TKeyTransfer::Table::Slave, emptyText(false),
        tr("You are about to overwrite controller`s slave keys list.\rAre you sure you want to continue?"));
}

TControllerCommands::TResult TControllerCommands::DPutAllActExecute() {
    RunningGuard guard(running);
    TResult keys{Ending::Cancelled, std::nullopt};
    if (boxes.confirmOkCancel(tr(
            "You are about to overwrite full controller`s keys list.\rAre you sure you want to continue?"))) {
        keys = WriteAllKeys();
        // Without its port the information step could only fail.
        if (keys.ending == Ending::PortLost)
            return keys;
    }
    keys.ending = std::max(keys.ending, ConfirmInfoWrite());
    return keys;
}

TControllerCommands::TResult TControllerCommands::WriteAllKeys() {
    TKeyView& master = host.MasterView();
    TKeyView& slave = host.SlaveView();
    const QString refusal = TKeyTransfer::RefusalText(&master, &slave);
    if (!refusal.isEmpty()) {
        // The key writes are refused; the information block is a separate step and still offered.
        boxes.error(refusal);
        return {Ending::Refused, std::nullopt};
    }
    TTransferReport report(TTransferReport::Direction::Write);
    Ending emptyTable = Ending::Done;
    if (hasRecords(master))
        Run(report, TKeyTransfer::Table::Master, master, true);
    else {
        boxes.error(emptyText(true));
        emptyTable = Ending::Refused;
    }
    if (report.Stopped())
        report.Skip(TKeyTransfer::Table::Slave);
    else if (hasRecords(slave))
        Run(report, TKeyTransfer::Table::Slave, slave, true);
    else {
        boxes.error(emptyText(false));
        emptyTable = Ending::Refused;
    }
    return Reported(report, emptyTable);
}
