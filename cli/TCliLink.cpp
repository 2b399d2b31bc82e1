#include "cli/TCliLink.h"

#include "cli/TCliOutput.h"
#include "cli/TCliPortArgument.h"
#include "cli/TVtrkCommand.h"
#include "controller/TControllerPort.h"
#include "controller/TTransferReport.h"
#include "seams/TInstalledMessageBoxes.h"
#include "seams/TMessageBoxes.h"
#include "seams/TStopRequest.h"
#include "serial/ESerException.h"

TCliLink::TCliLink(int comNumber, const QString& portName, TCliProgress& progress)
    : TCliLink(comNumber, portName, progress, noMaster, noSlave) {}

// The fallbacks are handed in before they are made: they are only referred to, and made before
// the session that could use them.
TCliLink::TCliLink(int comNumber, const QString& portName, TCliProgress& progress, TKeyView& master,
                   TKeyView& slave, TSyncViewer* viewer)
    : portName(portName), noMaster(QStringLiteral("M"), 0), noSlave(QStringLiteral("S"), 0),
      host(*this, progress, master, slave),
      door(port, host, viewer ? *viewer : noViewer, TInstalledMessageBoxes::Shared()) {
    port.SetAutoOpen(false);
    port.SetPromptForPort(false);
    port.SetComNumber(static_cast<unsigned short>(comNumber));
    port.SetBaud(TControllerPort::Baud);
    port.SetDataBits(8);
    port.SetParity(pNone);
    port.SetStopBits(1);
}

TCliLink::~TCliLink() {
    try {
        port.SetOpen(false);
    } catch (const std::exception&) {
    }
}

void TCliLink::Open() {
    try {
        port.SetOpen(true);
    } catch (const ESerException& e) {
        throw EVtrkExit(VtrkExit::Port, TCliPortArgument::OpenFailureText(portName, e));
    } catch (const std::exception& e) {
        throw EVtrkExit(VtrkExit::Port,
                        tr("cannot open %1: %2").arg(portName, QString::fromStdString(e.what())));
    }
}

void TCliLink::OpenControllerPort() {
    try {
        port.SetOpen(true);
    } catch (const std::exception&) {
    }
}

void TCliLink::NoAnswer(const QString& what) const {
    if (TStopRequest::Raised())
        throw EVtrkExit(VtrkExit::Stopped, tr("stopped before the %1 was answered").arg(what));
    throw EVtrkExit(VtrkExit::Port, tr("the controller on %1 did not answer the %2").arg(portName, what));
}

TControllerInfoData TCliLink::ReadIdentity() {
    TControllerInfoData data;
    QString version;
    if (!Info().ReadProgramVersion(version))
        NoAnswer(tr("version query"));
    data.versionCode = version;
    if (!TControllerInfo::IsSupportedVersion(version)) {
        MessageBoxes().warning(TControllerInfo::UnknownVersionWarning(version));
        throw EVtrkExit(VtrkExit::Version,
                        tr("firmware version \"%1\" refused; nothing was read or written").arg(version));
    }
    data.AcceptVersion();
    if (!Info().ReadControllerSerial(data.serial))
        NoAnswer(tr("serial number query"));
    if (!Info().ReadControllerInfo(data.info))
        NoAnswer(tr("information query"));
    door.UseIdentity(data);
    return data;
}

TCliLink::TFailedSlots TCliLink::ReadKeys(TKeyView& master, TKeyView& slave) {
    return Transfer(false, master, slave);
}

TCliLink::TFailedSlots TCliLink::WriteKeys(TKeyView& master, TKeyView& slave) {
    return Transfer(true, master, slave);
}

TCliLink::TFailedSlots TCliLink::Transfer(bool write, TKeyView& master, TKeyView& slave) {
    using End = TKeyTransfer::Result::End;
    TTransferReport report(write ? TTransferReport::Direction::Write : TTransferReport::Direction::Read);
    TFailedSlots failed;
    bool stopped = false;
    for (const TKeyTransfer::Table table : {TKeyTransfer::Table::Master, TKeyTransfer::Table::Slave}) {
        if (stopped) {
            report.Skip(table);
            continue;
        }
        const bool isMaster = table == TKeyTransfer::Table::Master;
        TKeyView& view = isMaster ? master : slave;
        const TKeyTransfer::Result result =
            write ? Transfer().WriteKeys(table, view) : Transfer().ReadKeys(table, view);
        if (result.end == End::Refused)
            throw EVtrkExit(VtrkExit::File, tr("a key code cannot be sent; nothing was written"));
        (isMaster ? failed.master : failed.slave) = result.failedSlots;
        report.Add(table, result);
        stopped = result.end != End::Completed;
    }
    if (stopped) {
        // Every slot whose state is unknown and every one not reached is named before the exit.
        for (const QString& line : report.Text(port.ComNumber()).split(QLatin1Char('\r')))
            TCliOutput::Note(line);
        const bool interrupted = TStopRequest::Raised();
        throw EVtrkExit(
            interrupted ? VtrkExit::Stopped : VtrkExit::Port,
            (interrupted ? tr("the transfer on %1 was stopped") : tr("the transfer on %1 stopped"))
                .arg(portName));
    }
    return failed;
}
