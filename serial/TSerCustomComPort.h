#pragma once

#include "serial/TSerBaseComponent.h"
#include "serial/TSerDataPort.h"
#include "serial/TSerDeviceTypes.h"

#include <memory>

class QTimer;
class TSerBaseDispatcher;

enum THWFlowOption : unsigned {
    hwfUseDTR = 1,
    hwfUseRTS = 2,
    hwfRequireDSR = 4,
    hwfRequireCTS = 8,
};
using THWFlowOptions = unsigned; // a set of THWFlowOption bits

enum TSWFlowOptions { swfNone, swfReceive, swfTransmit, swfBoth };

// A serial port: settings, the open and closed states, and a byte pipe whose three operations
// never wait for the line. Failures are ESerException family exceptions (TSerErrors::Check).
// Every member belongs to the thread that created the port (the user-interface thread);
// OnPortOpen and OnPortClose are emitted on it, inside the call that opened or closed.
// A device that hangs up (adapter pulled, far side gone) closes the port through the ordinary
// closing, followed by OnPortHangup: noticed by the next data operation, which then fails with
// EBadId, or by a watch on the thread's event loop while the port is idle.
class TSerCustomComPort : public TSerBaseComponent, public TSerDataPort {
    Q_OBJECT
public:
    explicit TSerCustomComPort(QObject* parent = nullptr);
    ~TSerCustomComPort() override;

    bool Open() const { return state != psClosed; }
    void SetOpen(bool value);
    bool Closing() const { return state == psClosing; }

    unsigned short ComNumber() const { return comNumber; }
    void SetComNumber(unsigned short value);

    bool PromptForPort() const { return promptForPort; }
    void SetPromptForPort(bool value) { promptForPort = value; }
    int Baud() const { return baud; }
    void SetBaud(int value) { baud = value; }
    unsigned short DataBits() const { return dataBits; }
    void SetDataBits(unsigned short value) { dataBits = value; }
    TParity Parity() const { return parity; }
    void SetParity(TParity value) { parity = value; }
    unsigned short StopBits() const { return stopBits; }
    void SetStopBits(unsigned short value) { stopBits = value; }
    unsigned short InSize() const { return inSize; }
    void SetInSize(unsigned short value) { inSize = value; }
    unsigned short OutSize() const { return outSize; }
    void SetOutSize(unsigned short value) { outSize = value; }
    bool AutoOpen() const { return autoOpen; }
    void SetAutoOpen(bool value) { autoOpen = value; }
    bool DTR() const { return dtr; }
    void SetDTR(bool value) { dtr = value; }
    bool RTS() const { return rts; }
    void SetRTS(bool value) { rts = value; }
    THWFlowOptions HWFlowOptions() const { return hwFlowOptions; }
    void SetHWFlowOptions(THWFlowOptions value) { hwFlowOptions = value; }
    TSWFlowOptions SWFlowOptions() const { return swFlowOptions; }
    void SetSWFlowOptions(TSWFlowOptions value) { swFlowOptions = value; }
    char XOnChar() const { return xonChar; }
    void SetXOnChar(char value) { xonChar = value; }
    char XOffChar() const { return xoffChar; }
    void SetXOffChar(char value) { xoffChar = value; }
    unsigned short BufferFull() const { return bufferFull; }
    void SetBufferFull(unsigned short value) { bufferFull = value; }
    unsigned short BufferResume() const { return bufferResume; }
    void SetBufferResume(unsigned short value) { bufferResume = value; }

    // The device the port has open, or the one ComNumber names now.
    QString DevicePath() const;
    // The device layer while open (tests and diagnostics), else nullptr.
    TSerBaseDispatcher* Dispatcher() const { return dispatcher.get(); }

    bool isOpen() const override { return Open(); }
    bool HungUp() const override { return hungUp; }
    int PortNumber() const override { return comNumber; }
    unsigned Openings() const override { return openings; }
    void DiscardInput() override;
    void WriteBlock(const void* block, unsigned short count) override;
    void ReadBlock(void* block, unsigned short count) override;

signals:
    void OnPortOpen(QObject* sender);
    void OnPortClose(QObject* sender);
    // After the closing that a hang-up of the device caused.
    void OnPortHangup(QObject* sender);

private:
    enum TPortState { psClosed, psClosing, psOpen };

    void DoOpen();
    void DoClose();
    // Closes an open port whose device has hung up; true when it did.
    bool CloseIfHungUp();
    // Raises the failure of a device-layer result.
    void Pass(int result);
    void CheckPortNumber();
    TSerHandshake Handshake() const;
    // False while a close runs (the operation is then skipped); opens when AutoOpen asks for it.
    bool ReadyForData();

    TPortState state = psClosed;
    std::unique_ptr<TSerBaseDispatcher> dispatcher;
    QString openPath;
    bool hungUp = false;
    unsigned openings = 0;
    QTimer* lineWatch;

    unsigned short comNumber = 0;
    bool promptForPort = true;
    int baud = 19200;
    unsigned short dataBits = 8;
    TParity parity = pNone;
    unsigned short stopBits = 1;
    unsigned short inSize = 4096;
    unsigned short outSize = 4096;
    bool autoOpen = true;
    bool dtr = true;
    bool rts = true;
    THWFlowOptions hwFlowOptions = 0;
    TSWFlowOptions swFlowOptions = swfNone;
    char xonChar = 17;
    char xoffChar = 19;
    unsigned short bufferFull = 0;
    unsigned short bufferResume = 0;
};
