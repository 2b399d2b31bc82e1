#pragma once

// Records passed between the port object, the device layer and its platform part.

enum TParity { pNone, pOdd, pEven, pMark, pSpace };

// The device's line settings as last read from or written to it.
struct TSerLineSettings {
    int baud = 0;
    int dataBits = 8;
    TParity parity = pNone;
    int stopBits = 1;
    bool ctsOutFlow = false; // output waits for CTS
    bool dsrOutFlow = false; // output waits for DSR
    bool dtrHandshake = false;
    bool rtsHandshake = false;
    bool xonXoffOut = false;
    bool xonXoffIn = false;
    char xonChar = 17;
    char xoffChar = 19;
    int xonLimit = 0;
    int xoffLimit = 0;
};

// What the handshake writes after opening need from the port's settings.
struct TSerHandshake {
    bool useDtr = false;     // DTR used for receive handshake
    bool useRts = false;     // RTS used for receive handshake
    bool requireDsr = false; // output waits for DSR
    bool requireCts = false; // output waits for CTS
    bool swReceive = false;  // XON/XOFF sent when the receive side fills
    bool swTransmit = false; // XON/XOFF obeyed when sending
    char xonChar = 17;
    char xoffChar = 19;
    int xoffLimit = 0;
    int xonLimit = 0;
    bool dtr = true;
    bool rts = true;
};

struct TSerDeviceStatus {
    int errors = 0;   // line-error flags since the last fetch
    int inQueue = 0;  // bytes waiting in the driver's receive queue
    int outQueue = 0; // bytes waiting in the transmit buffer
};

enum TSerLineFunction { lfSetRts, lfClearRts, lfSetDtr, lfClearDtr };

enum TSerPurgeSide { psReceive, psTransmit };

// Device events reported by the platform's wait.
enum TSerDeviceEvent : int {
    deReceived = 0x01,
    deHangup = 0x02, // the line is dead: device removed or peer gone
    deCancelled = 0x04,
    deModemLines = 0x08,
    deLineError = 0x10,
};
