#pragma once

#include "controller/TControllerExchange.h"
#include "controller/TKeyTransfer.h"
#include "sync/TKeyDifference.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class TControllerExchange;
class TControllerPortOpener;
class TKeyTables;
class TTransferProgress;

// Reads a controller into memory, and writes single slots addressed by their slot number, each
// read back and compared with what was sent. The writes follow the transfers' rules: two slots in
// a row without an answer, a port that fails or goes, a chattering line or a stop request end them.
class TControllerSync {
    Q_DECLARE_TR_FUNCTIONS(TControllerSync)

public:
    enum class Outcome {
        Verified,       // read back as sent
        WriteFailed,    // every attempt was answered with a refusal
        WriteUnknown,   // sent, but no acknowledge came: it may or may not have been applied
        NotWritten,     // never sent: the writes had stopped before
        ReadBackFailed, // acknowledged, but could not be read back
        ReadBackDiffers
    };
    using End = TKeyTransfer::Result::End;

    struct TSlotResult {
        TKeyDifference change;
        Outcome outcome = Outcome::NotWritten;
        TKeySlot readBack;
        bool readBackDone = false;
    };

    struct TResult {
        QList<TSlotResult> results;
        // Why the writes and read-backs stopped early; Completed when they ran to their end.
        End end = End::Completed;
        int comNumber = 0;
        bool closingFrameSent = false;

        bool Stopped() const { return end != End::Completed; }

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
    // One table into held; slots whose attempts all failed stay unknown.
    TKeyTransfer::Result ReadTable(TKeyTransfer::Table table, TKeyTables& held);

    // Writes the wanted content of each changed slot, master slots first, then reads every slot
    // that was taken back. held is brought to what the controller now holds (a slot whose state
    // is uncertain becomes unknown). The closing frame follows the master slots when one was
    // written and the wanted master table holds an active key.
    TResult Write(const QList<TKeyDifference>& changes, const TKeyTables& wanted, TKeyTables& held);

    static QString OutcomeText(Outcome outcome, End end = End::Completed);

private:
    // Sends one slot; the exchange's outcome tells whether the controller answered at all.
    TControllerExchange::Outcome WriteSlot(const TKeyDifference& change, TSlotResult& result);
    TControllerExchange::Outcome ReadBack(TSlotResult& result, TKeyTables& held);
    // Counts one slot's exchange into the run of silent slots; false when the writes end there.
    static bool Goes(TControllerExchange::Outcome outcome, int& silentRun, TResult& result);
    void WriteAll(const TKeyTables& wanted, TKeyTables& held, TResult& result);
    void ReadBackAll(TKeyTables& held, TResult& result);
    void SendClosingFrame();
    void Step();

    TControllerExchange& exchange;
    TControllerPortOpener& opener;
    TTransferProgress& progress;
    int shown = 0;
    int done = 0;
    int total = 0;
};
