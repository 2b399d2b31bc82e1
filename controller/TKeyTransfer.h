#pragma once

#include <QList>
#include <QString>

class TControllerExchange;
class TControllerPortOpener;
class TKeyView;
class TTransferProgress;

// Moves the controller's master (8) or slave (128) key table between the controller and a view.
class TKeyTransfer {
public:
    enum class Table { Master, Slave };

    struct Shape {
        unsigned char command;
        int slotCount;
        int progressStep;
        QString keyType;
    };
    static Shape ShapeOf(Table table);

    TKeyTransfer(TControllerExchange& exchange, TControllerPortOpener& opener, TTransferProgress& progress);

    // Slot n goes to or from the view's record with the n-th smallest RECID. A slot whose attempts
    // all fail is passed over; a port failure ends the transfer at once. False after a port failure
    // or, for a write, when nothing was sent because a key code is not valid.
    bool ReadKeys(Table table, TKeyView& view);
    bool WriteKeys(Table table, TKeyView& view);

    bool ReadMasterKeys(TKeyView& view) { return ReadKeys(Table::Master, view); }
    bool ReadSlaveKeys(TKeyView& view) { return ReadKeys(Table::Slave, view); }
    bool WriteMasterKeys(TKeyView& view) { return WriteKeys(Table::Master, view); }
    bool WriteSlaveKeys(TKeyView& view) { return WriteKeys(Table::Slave, view); }

    // The "#" numbers (RECID) of active records whose key code is not 12 hexadecimal digits.
    static QList<int> BadKeyCodeSlots(Table table, TKeyView& view);
    // The error text naming those records; tables without bad slots are left out.
    static QString BadKeyCodeText(const QList<int>& masterSlots, const QList<int>& slaveSlots);

private:
    void SendClosingFrame();

    TControllerExchange& exchange;
    TControllerPortOpener& opener;
    TTransferProgress& progress;
};
