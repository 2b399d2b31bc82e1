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
