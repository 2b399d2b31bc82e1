#pragma once

#include "sync/TKeyDifference.h"

#include <QList>
#include <QString>

class TControllerExchange;
class TControllerPortOpener;
class TKeyTables;
class TTransferProgress;

// Reads a controller into memory, and writes single slots addressed by their slot number, each
// read back and compared with what was sent.
class TControllerSync {
public:
    enum class Outcome { Verified, WriteFailed, NotWritten, ReadBackFailed, ReadBackDiffers };

    struct TSlotResult {
        TKeyDifference change;
        Outcome outcome = Outcome::NotWritten;
        TKeySlot readBack;
    };

    struct TResult {
        QList<TSlotResult> results;
        bool portFailure = false;
        bool closingFrameSent = false;

        int Verified() const;
        QList<TSlotResult> Failed() const;
        // The one report at the end: written and verified, and every slot that was not.
        QString ReportText() const;
    };

    TControllerSync(TControllerExchange& exchange, TControllerPortOpener& opener,
                    TTransferProgress& progress);

    // Firmware version, serial number and information text into held. False (error set) when
    // no port could be opened or the version is not the supported one.
    bool ReadIdentity(TKeyTables& held, QString* error);
    // One table into held; slots whose attempts all failed stay unknown. False after a port failure.
    bool ReadTable(TKeyTransfer::Table table, TKeyTables& held);

    // Writes the wanted content of each changed slot, master slots first, then reads every slot
    // that was taken back. held is brought to what the controller now holds (a slot whose state
    // is uncertain becomes unknown). The closing frame follows the master slots when one was
    // written and the wanted master table holds an active key.
    TResult Write(const QList<TKeyDifference>& changes, const TKeyTables& wanted, TKeyTables& held);

    static QString OutcomeText(Outcome outcome);

private:
    bool WriteSlot(const TKeyDifference& change, TSlotResult& result);
    bool ReadBack(TSlotResult& result, TKeyTables& held);
    void SendClosingFrame();
    void Step(int done, int total);

    TControllerExchange& exchange;
    TControllerPortOpener& opener;
    TTransferProgress& progress;
    int shown = 0;
};
