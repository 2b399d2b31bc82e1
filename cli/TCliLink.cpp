#include "cli/TCliLink.h"

#include "cli/TVtrkCommand.h"
#include "controller/TControllerPort.h"
#include "seams/TMessageBoxes.h"

TCliLink::TCliLink(int comNumber, const QString& portName, TTransferProgress& progress)
    : portName(portName), exchange(port, sequence), info(exchange, *this),
      transfer(exchange, *this, progress) {
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
    } catch (const std::exception& e) {
        throw EVtrkExit(VtrkExit::Port,
                        QStringLiteral("cannot open %1: %2").arg(portName, QString::fromStdString(e.what())));
    }
}

void TCliLink::OpenControllerPort() {
    try {
        port.SetOpen(true);
    } catch (const std::exception&) {
    }
}

void TCliLink::NoAnswer(const QString& what) const {
    throw EVtrkExit(VtrkExit::Port,
                    QStringLiteral("the controller on %1 did not answer the %2").arg(portName, what));
}

TControllerInfoData TCliLink::ReadIdentity() {
    TControllerInfoData data;
    QString version;
    if (!info.ReadProgramVersion(version))
        NoAnswer(QStringLiteral("version query"));
    data.versionCode = version;
    if (!TControllerInfo::IsSupportedVersion(version)) {
        MessageBoxes().warning(TControllerInfo::UnknownVersionWarning(version));
        throw EVtrkExit(
            VtrkExit::Version,
            QStringLiteral("firmware version \"%1\" refused; nothing was read or written").arg(version));
    }
    data.AcceptVersion();
    if (!info.ReadControllerSerial(data.serial))
        NoAnswer(QStringLiteral("serial number query"));
    if (!info.ReadControllerInfo(data.info))
        NoAnswer(QStringLiteral("information query"));
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
    TFailedSlots failed;
    for (const TKeyTransfer::Table table : {TKeyTransfer::Table::Master, TKeyTransfer::Table::Slave}) {
        const bool isMaster = table == TKeyTransfer::Table::Master;
        TKeyView& view = isMaster ? master : slave;
        const TKeyTransfer::Result result =
            write ? transfer.WriteKeys(table, view) : transfer.ReadKeys(table, view);
        (isMaster ? failed.master : failed.slave) = result.failedSlots;
        switch (result.end) {
        case End::Completed:
            break;
        case End::Refused:
            throw EVtrkExit(VtrkExit::File, QStringLiteral("a key code cannot be sent; nothing was written"));
        case End::PortFailure:
        case End::ControllerSilent:
        case End::PortGone:
            throw EVtrkExit(VtrkExit::Port, QStringLiteral("the transfer on %1 stopped").arg(portName));
        }
    }
    return failed;
}
