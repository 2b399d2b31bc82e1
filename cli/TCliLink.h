#pragma once

#include "controller/TControllerInfoData.h"
#include "controller/TControllerPortOpener.h"
#include "controller/TControllerSession.h"
#include "serial/TSerComPort.h"

#include <QList>
#include <QString>

class TKeyView;
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

    // The "#" numbers of the slots whose attempts all failed, by table.
    struct TFailedSlots {
        QList<int> master;
        QList<int> slave;
        bool IsEmpty() const { return master.isEmpty() && slave.isEmpty(); }
    };
    // Both key tables, master first. Throws EVtrkExit when a table's transfer stopped early: port
    // when the port failed or went, or the controller fell silent; file when a key code cannot be sent.
    TFailedSlots ReadKeys(TKeyView& master, TKeyView& slave);
    TFailedSlots WriteKeys(TKeyView& master, TKeyView& slave);

    TSerComPort& Port() { return port; }
    TControllerExchange& Exchange() { return session.Exchange(); }
    TControllerInfo& Info() { return session.Info(); }
    TKeyTransfer& Transfer() { return session.Transfer(); }
    const QString& PortName() const { return portName; }

private:
    [[noreturn]] void NoAnswer(const QString& what) const;
    TFailedSlots Transfer(bool write, TKeyView& master, TKeyView& slave);

    QString portName;
    TSerComPort port;
    TControllerSession session;
};
