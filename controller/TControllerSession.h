#pragma once

#include "controller/TControllerExchange.h"
#include "controller/TControllerInfo.h"
#include "controller/TKeyTransfer.h"

class TControllerPortOpener;
class TMessageBoxes;
class TSerDataPort;
class TTransferProgress;

// One conversation with a controller over one port: the frames' sequence byte, the exchange
// that pairs each reply with its request, the information routines and the key transfers. The
// window and vtrk each hold one; nothing else puts a port, an exchange and a sequence byte
// together, so every command on a port counts its frames with the same byte. The boxes are the
// user this conversation talks to (the window's boxes, vtrk's messages, a test's recorder): every
// part of the session and the commands over it say and ask through them.
class TControllerSession {
public:
    TControllerSession(TSerDataPort& port, TControllerPortOpener& opener, TTransferProgress& progress,
                       TMessageBoxes& boxes);
    TControllerSession(const TControllerSession&) = delete;
    TControllerSession& operator=(const TControllerSession&) = delete;

    TControllerExchange& Exchange() { return exchange; }
    TControllerInfo& Info() { return info; }
    TKeyTransfer& Transfer() { return transfer; }
    // A new start of the program's conversation counts frames from 0 again.
    void ResetSequence() { sequence = 0; }

private:
    unsigned char sequence = 0;
    TControllerExchange exchange;
    TControllerInfo info;
    TKeyTransfer transfer;
};
