#pragma once

#include "controller/TControllerExchange.h"
#include "controller/TControllerInfo.h"
#include "controller/TControllerInfoData.h"
#include "controller/TControllerPortOpener.h"
#include "controller/TKeyTransfer.h"
#include "serial/TSerComPort.h"

#include <QString>

class TTransferProgress;

// One controller on one port for the length of a command: the port opened at 9600 8N1 without a
// chooser, the exchange with its own sequence counter, the information routines and the key
// transfers over it. The port is closed when the link goes, however the command ends.
class TCliLink : public TControllerPortOpener {
public:
    TCliLink(int comNumber, const QString& portName, TTransferProgress& progress);
    ~TCliLink() override;
    TCliLink(const TCliLink&) = delete;
    TCliLink& operator=(const TCliLink&) = delete;

    // Throws EVtrkExit (port) with the port layer's reason.
    void Open();
    // The exchange found the port closed: one more try; a failure shows at the next exchange.
    void OpenControllerPort() override;

    // The version gate, then serial number and information text. Throws EVtrkExit: port when the
    // controller does not answer, version when it runs another firmware.
    TControllerInfoData ReadIdentity();

    TSerComPort& Port() { return port; }
    TControllerInfo& Info() { return info; }
    TKeyTransfer& Transfer() { return transfer; }
    const QString& PortName() const { return portName; }

private:
    [[noreturn]] void NoAnswer(const QString& what) const;

    QString portName;
    TSerComPort port;
    unsigned char sequence = 0;
    TControllerExchange exchange;
    TControllerInfo info;
    TKeyTransfer transfer;
};
