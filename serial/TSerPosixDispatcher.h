#pragma once

#include "serial/TSerBaseDispatcher.h"

#include <termios.h>

// The device layer on a POSIX terminal device (termios). Events come from poll() on the
// device and on an eventfd that closing writes to.
class TSerPosixDispatcher : public TSerBaseDispatcher {
public:
    TSerPosixDispatcher() = default;
    ~TSerPosixDispatcher() override;

    // The layer's result for a failed system call: -2 when the device is not there (or gone),
    // -5 when another holder has it, else minus errno.
    static int ResultFromErrno(int error);

protected:
    int EscapeLine(TSerLineFunction function) override;
    int PurgeDriverQueue(TSerPurgeSide side) override;
    int ReadDeviceErrors(TSerDeviceStatus& status) override;
    int GetLineSettings(TSerLineSettings& settings) override;
    int SetLineSettings(const TSerLineSettings& settings) override;
    int ReadDevice(char* buffer, int max) override;
    int WriteDevice(const char* bytes, int count) override;
    void AwaitWritable(int timeoutMs) override;
    int WaitDeviceEvent(bool watchDevice, int timeoutMs) override;
    void CancelDeviceWait() override;
    bool SetDeviceQueues(int inSize, int outSize) override;
    int RefreshModemStatus() override;
    int OpenDevice(const std::string& path, int inSize, int outSize) override;
    int CloseHandle() override;
    bool DeviceOpen() const override { return fd >= 0; }

private:
    int fd = -1;
    int wakeFd = -1;
    int modemLines = 0;
};
