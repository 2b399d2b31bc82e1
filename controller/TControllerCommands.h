#pragma once

#include "controller/TControllerExchange.h"
#include "controller/TControllerInfo.h"
#include "controller/TKeyTransfer.h"

#include <QString>

class TControllerHost;
class TSerDataPort;

// The main window's controller commands: the version gate, the information write and the six
// key-transfer actions, with their checks, confirmations and progress.
class TControllerCommands {
public:
    TControllerCommands(TSerDataPort& port, unsigned char& frameSequence, TControllerHost& host);

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

    TControllerExchange& Exchange() { return exchange; }
    TControllerInfo& Info() { return info; }
    TKeyTransfer& Transfer() { return transfer; }

private:
    class RunningGuard;
    template <typename Routine> void WithProgress(const QString& text, Routine routine);
    void ConfirmInfoWrite();
    // Changes the window's controller information, one step of the gate at a time.
    template <typename Change> void UpdateInfoData(Change change);

    TControllerHost& host;
    TControllerExchange exchange;
    TControllerInfo info;
    TKeyTransfer transfer;
    bool running = false;
};
