#pragma once

#include "controller/TControllerSession.h"
#include "controller/TTransferReport.h"

#include <QString>

class TControllerHost;
class TKeyView;

// The main window's controller commands: the version gate, the information write and the six
// key-transfer actions, with their checks, confirmations and progress.
class TControllerCommands {
public:
    TControllerCommands(TControllerSession& session, TControllerHost& host);

    void DGetInfoActExecute();
    void DPutInfoActExecute();
    void DGetMKeysActExecute();
    void DGetSKeysActExecute();
    void DGetAllActExecute();
    void DPutMKeysActExecute();
    void DPutSKeysActExecute();
    void DPutAllActExecute();

    // True while a command runs: window messages are handled between key slots then, and the
    // commands that would change the port, the views or the key list must wait for its end.
    bool Busy() const { return running; }

private:
    class RunningGuard;
    template <typename Routine> void WithProgress(const QString& text, Routine routine);
    // The information step: the confirmation and the write, or the box that says the information
    // must be read first.
    void ConfirmInfoWrite();
    // Changes the window's controller information, one step of the gate at a time.
    template <typename Change> void UpdateInfoData(Change change);
    // One table's transfer with progress, counted into the report.
    void Run(TTransferReport& report, TKeyTransfer::Table table, TKeyView& view, bool write);
    // "Write all data to controller" up to its information step.
    TTransferReport WriteAllKeys();
    // The one box after a command's transfers, once the progress window has closed.
    void ShowReport(const TTransferReport& report);

    TControllerHost& host;
    TControllerExchange& exchange;
    TControllerInfo& info;
    TKeyTransfer& transfer;
    bool running = false;
};
