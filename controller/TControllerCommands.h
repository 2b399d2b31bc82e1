#pragma once

#include "controller/TControllerSession.h"
#include "controller/TTransferReport.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

class TControllerHost;
class TKeyView;
class TMessageBoxes;

// The main window's controller commands: the version gate, the information write and the six
// key-transfer actions, with their checks, confirmations and progress. They say and ask through
// the session's boxes, as each step comes, and return how they ended.
class TControllerCommands {
    Q_DECLARE_TR_FUNCTIONS(TControllerCommands)

public:
    // How a command ended; every ending has been said to the user. From the mildest to the worst:
    // a command of several steps ends with the worst of them.
    enum class Ending {
        Done,           // every step ran, every slot was transferred
        Cancelled,      // the user declined a confirmation; the steps before it ran
        Refused,        // a step sent nothing: no key list open, an empty table, a key code that
                        // cannot be sent, information still "<unknown>"
        VersionRefused, // the controller's program version is not the supported one
        PartlyFailed,   // slots whose state is unknown, a transfer that stopped, an exchange that failed
        Silent,         // the controller did not answer
        PortLost        // the port hung up
    };
    struct TResult {
        Ending ending = Ending::Done;
        // What the key transfers left undone, for the commands that moved keys.
        std::optional<TTransferReport> report;
    };

    TControllerCommands(TControllerSession& session, TControllerHost& host);

    TResult DGetInfoActExecute();
    TResult DPutInfoActExecute();
    TResult DGetMKeysActExecute();
    TResult DGetSKeysActExecute();
    TResult DGetAllActExecute();
    TResult DPutMKeysActExecute();
    TResult DPutSKeysActExecute();
    TResult DPutAllActExecute();

    // True while a command runs: window messages are handled between key slots then, and the
    // commands that would change the port, the views or the key list must wait for its end.
    bool Busy() const { return running; }

private:
    class RunningGuard;
    template <typename Routine> void WithProgress(const QString& text, Routine routine);
    // The version gate and the identity reads.
    Ending ReadIdentity();
    // The information step: the confirmation and the write, or the box that says the information
    // must be read first.
    Ending ConfirmInfoWrite();
    // One table read into a view after its checks and confirmation.
    TResult ReadTable(TKeyTransfer::Table table, const QString& notOpen, const QString& question);
    // One table written from a view after its checks and confirmation.
    TResult WriteTable(TKeyTransfer::Table table, const QString& empty, const QString& question);
    // Changes the window's controller information, one step of the gate at a time.
    template <typename Change> void UpdateInfoData(Change change);
    // One table's transfer with progress, counted into the report.
    void Run(TTransferReport& report, TKeyTransfer::Table table, TKeyView& view, bool write);
    // "Write all data to controller" up to its information step.
    TResult WriteAllKeys();
    // The one box after a command's transfers, once the progress window has closed.
    void ShowReport(const TTransferReport& report);
    // Why an exchange of the information routines failed.
    static Ending EndingOf(TControllerExchange::Outcome outcome);
    static Ending EndingOf(const TTransferReport& report);
    // The result of transfers that ran: their report said, their ending joined to what went before.
    TResult Reported(const TTransferReport& report, Ending before = Ending::Done);

    TControllerHost& host;
    TControllerExchange& exchange;
    TControllerInfo& info;
    TKeyTransfer& transfer;
    TMessageBoxes& boxes;
    bool running = false;
};
