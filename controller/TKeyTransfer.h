#pragma once

#include "controller/TControllerExchange.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class TControllerPortOpener;
class TKeyView;
struct TKeySlot;
class TTransferProgress;

// Moves the controller's master (8) or slave (128) key table between the controller and a view.
class TKeyTransfer {
    Q_DECLARE_TR_FUNCTIONS(TKeyTransfer)

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
            PortGone,         // the port hung up and closed
            LineChattering,   // two slots in a row found the line never quiet
            Interrupted       // a stop was asked for; the slot in flight was let end
        };
        End end = End::Completed;
        // The "#" numbers of slots whose state is unknown: their five attempts all failed, or a
        // stop or a port failure came after a request for them had gone out. A read marks them
        // unread in the view; a write may or may not have been applied there.
        QList<int> failedSlots;
        // The "#" of the first slot not tried when the transfer stopped early, else -1.
        int firstNotTried = -1;

        bool ok() const { return end == End::Completed && failedSlots.isEmpty(); }
    };

    // After this many slots in a row without a single byte from the controller a transfer stops.
    static constexpr int SilentSlotsToStop = 2;
    // "#": a slot as people count it (master 1..8, slave 1..128). A record's slot is its position
    // in its table (ascending RECID, ties in record order); reads write RECID = "#", KEYID = slot.
    static constexpr int Number(int slot) { return slot + 1; }

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

    // The "#" numbers of active records whose key code is not 12 hexadecimal digits
    // (unread slots among them).
    static QList<int> BadKeyCodeSlots(Table table, TKeyView& view);
    // The "#" numbers of records that mark a slot a read could not get.
    static QList<int> UnreadSlots(Table table, TKeyView& view);
    // What a read leaves in a slot it could not get: no writer sends it, no one takes it for empty.
    static TKeySlot UnreadSlot(int slot, const QString& keyType);
    static bool IsUnread(const TKeySlot& key);
    // The error text naming those records; tables without bad slots are left out.
    static QString BadKeyCodeText(const QList<int>& masterSlots, const QList<int>& slaveSlots);
    // Why the tables of these views (nullptr: not written) cannot be sent; empty when they can.
    static QString RefusalText(TKeyView* master, TKeyView* slave);
    // "slot #N was not read; read again" for each unread record.
    static QString UnreadText(const QList<int>& masterSlots, const QList<int>& slaveSlots);

private:
    // Counts a slot's outcome into the result; false when the transfer ends there.
    bool Counted(TControllerExchange::Outcome outcome, int number, Result& result, int& silentRun) const;
    // After the slot at index slot: true when two slots in a row went unanswered (the end is set).
    static bool StopsSilent(int silentRun, TControllerExchange::Outcome outcome, Result& result);
    // Reads mark every slot they did not get as unread, from the first not tried on.
    void MarkUnread(const Shape& shape, TKeyView& view, const QList<int>& records, int fromSlot,
                    int slotTotal) const;
    void SendClosingFrame();

    TControllerExchange& exchange;
    TControllerPortOpener& opener;
    TTransferProgress& progress;
};
