#pragma once

#include "serial/TSerBaseDispatcher.h"

#include <QByteArray>

#include <condition_variable>
#include <mutex>

// A device layer over an in-memory device whose transmit side accepts only as many bytes as the
// test allows, so that pending writes and wrapped transmit runs can be brought about exactly.
class TFakeDispatcher : public TSerBaseDispatcher {
public:
    ~TFakeDispatcher() override;

    void Deliver(const QByteArray& bytes);
    void AllowWrite(int count);
    QByteArray Sent();
    int WriteCalls();

protected:
    int EscapeLine(TSerLineFunction) override { return 0; }
    int PurgeDriverQueue(TSerPurgeSide side) override;
    int ReadDeviceErrors(TSerDeviceStatus& status) override;
    int GetLineSettings(TSerLineSettings& settings) override;
    int SetLineSettings(const TSerLineSettings& settings) override;
    int ReadDevice(char* buffer, int max) override;
    int WriteDevice(const char* bytes, int count) override;
    void AwaitWritable(int timeoutMs) override;
    int WaitDeviceEvent(bool watchDevice, int timeoutMs) override;
    void CancelDeviceWait() override;
    bool SetDeviceQueues(int, int) override { return true; }
    int RefreshModemStatus() override { return 0; }
    int OpenDevice(const std::string&, int, int) override;
    int CloseHandle() override;
    bool DeviceOpen() const override { return open; }

private:
    std::mutex mutex;
    std::condition_variable changed;
    QByteArray received;
    QByteArray sent;
    TSerLineSettings settings;
    int budget = 0;
    int writeCalls = 0;
    bool cancelled = false;
    bool open = false;
};
