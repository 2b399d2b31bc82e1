#pragma once

#include "controller/TControllerExchange.h"

#include <QList>
#include <QString>

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

    // How a table's transfer ended. Slots are named by their record's "#" number (RECID).
    struct Result {
        enum class End {
            Completed,        // every slot was tried
            Refused,          // nothing sent: a key code is not valid (its box has been shown)
            PortFailure,      // the port refused a read or write (its box has been shown)
            ControllerSilent, // two slots in a row got no byte at all
            PortGone          // the port hung up and closed
        };
        End end = End::Completed;
        // Slots whose five attempts all failed.
        QList<int> failedSlots;
        // The first slot not tried when the transfer stopped early, else -1.
        int firstNotTried = -1;

        bool ok() const { return end == End::Completed && failedSlots.isEmpty(); }
    };

    // After this many slots in a row without a single byte from the controller a transfer stops.
    static constexpr int SilentSlotsToStop = 2;

    TKeyTransfer(TControllerExchange& exchange, TControllerPortOpener& opener, TTransferProgress& progress);

    // Slot n goes to or from the view's record with the n-th smallest RECID. A slot whose attempts
    // all fail is passed over and listed; a port that fails or hangs up ends the transfer at once,
    // and so does a controller that has stopped answering.
    Result ReadKeys(Table table, TKeyView& view);
    Result WriteKeys(Table table, TKeyView& view);

    Result ReadMasterKeys(TKeyView& view) { return ReadKeys(Table::Master, view); }
    Result ReadSlaveKeys(TKeyView& view) { return ReadKeys(Table::Slave, view); }
    Result WriteMasterKeys(TKeyView& view) { return WriteKeys(Table::Master, view); }
    Result WriteSlaveKeys(TKeyView& view) { return WriteKeys(Table::Slave, view); }

    // The "#" numbers (RECID) of active records whose key code is not 12 hexadecimal digits.
    static QList<int> BadKeyCodeSlots(Table table, TKeyView& view);
    // The error text naming those records; tables without bad slots are left out.
    static QString BadKeyCodeText(const QList<int>& masterSlots, const QList<int>& slaveSlots);

private:
    // Counts a slot's outcome into the result; false when the port ended the transfer there.
    static bool Counted(TControllerExchange::Outcome outcome, int recId, Result& result, int& silentRun);
    void SendClosingFrame();

    TControllerExchange& exchange;
    TControllerPortOpener& opener;
    TTransferProgress& progress;
};
