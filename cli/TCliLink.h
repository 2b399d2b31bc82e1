#pragma once

#include "cli/TCliSyncHost.h"
#include "controller/TControllerInfoData.h"
#include "controller/TControllerPortOpener.h"
#include "serial/TSerComPort.h"
#include "sync/TDoorSession.h"
#include "sync/TMemoryKeyView.h"
#include "sync/TSyncViewer.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class TCliProgress;
class TKeyView;

// One controller on one port for the length of a command: the port opened at 9600 8N1 without a
// chooser, and the conversation over it (TDoorSession) with the terminal's progress and the
// command's key list. The port is closed when the link goes, however the command ends.
class TCliLink : public TControllerPortOpener {
    Q_DECLARE_TR_FUNCTIONS(TCliLink)

public:
    // A command without a key list: nothing it runs reads into views or compares.
    TCliLink(int comNumber, const QString& portName, TCliProgress& progress);
    // A command with a key list (its two views), and where a comparison is shown if it compares.
    TCliLink(int comNumber, const QString& portName, TCliProgress& progress, TKeyView& master,
             TKeyView& slave, TSyncViewer* viewer = nullptr);
    ~TCliLink() override;
    TCliLink(const TCliLink&) = delete;
    TCliLink& operator=(const TCliLink&) = delete;

    // Throws EVtrkExit (port) with the port layer's reason.
    void Open();
    // The exchange found the port closed: one more try; a failure shows at the next exchange.
    void OpenControllerPort() override;

    // The version gate, then serial number and information text, which the session keeps and the
    // next compare or write takes. Throws EVtrkExit: port when the controller does not answer,
    // version when it runs another firmware.
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
    TDoorSession& Door() { return door; }
    TControllerExchange& Exchange() { return door.Conversation().Exchange(); }
    TControllerInfo& Info() { return door.Conversation().Info(); }
    TKeyTransfer& Transfer() { return door.Conversation().Transfer(); }
    const QString& PortName() const { return portName; }

private:
    // Shows nothing and writes nothing: for the commands that never compare.
    class TNoViewer : public TSyncViewer {
    public:
        bool ShowComparison(const TKeyComparison&, Purpose) override { return false; }
    };

    [[noreturn]] void NoAnswer(const QString& what) const;
    TFailedSlots Transfer(bool write, TKeyView& master, TKeyView& slave);

    QString portName;
    TSerComPort port;
    TMemoryKeyView noMaster;
    TMemoryKeyView noSlave;
    TNoViewer noViewer;
    // The terminal's progress and the command's key list, as the session asks for them.
    TCliSyncHost host;
    TDoorSession door;
};
