#pragma once

#include "serial/TSerDeviceTypes.h"
#include "serial/TSerSignal.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class TSerDispatcherThread;

// The device layer of one opening: the device, a receive ring, a transmit ring and three workers
// that move bytes between them and the device. Every operation returns 0 or a count on success
// and a negative error code on failure; nothing is raised.
//
// Threads: Initialise, Shutdown, WriteHandshake and the three data operations belong to one
// thread (the port's). The workers touch the rings only under the input and output locks.
class TSerBaseDispatcher {
public:
    static constexpr int InBufferSize = 8192;

    TSerBaseDispatcher();
    virtual ~TSerBaseDispatcher();
    TSerBaseDispatcher(const TSerBaseDispatcher&) = delete;
    TSerBaseDispatcher& operator=(const TSerBaseDispatcher&) = delete;

    // The layer of the platform the program is built for.
    static std::unique_ptr<TSerBaseDispatcher> Create();

    int Initialise(const std::string& path, int baud, TParity parity, int dataBits, int stopBits, int inSize,
                   int outSize, bool dtr, bool rts, bool dtrHandshake, bool rtsHandshake);
    void Shutdown();
    int WriteHandshake(const TSerHandshake& handshake);

    int DiscardInput();
    int WriteBlock(const void* bytes, int count);
    int ReadBlock(void* destination, int count);

    int InBufferUsed();
    int OutBufferUsed();
    bool OutBufferFull();
    bool WorkersRunning();
    // The device hung up (removed, or the far side closed); the layer no longer reads it.
    bool LineDead() const { return lineDead.load(); }

protected:
    // Device operations of the platform.
    virtual int EscapeLine(TSerLineFunction function) = 0;
    virtual int PurgeDriverQueue(TSerPurgeSide side) = 0;
    // Fills errors and inQueue; returns the error flags or a negative code.
    virtual int ReadDeviceErrors(TSerDeviceStatus& status) = 0;
    virtual int GetLineSettings(TSerLineSettings& settings) = 0;
    virtual int SetLineSettings(const TSerLineSettings& settings) = 0;
    // At most max bytes of what has arrived, at once; marks the line dead on a hang-up.
    virtual int ReadDevice(char* buffer, int max) = 0;
    // Count accepted at once (0 when the driver is full), or a negative code when refused.
    virtual int WriteDevice(const char* bytes, int count) = 0;
    // Waits up to timeoutMs for room in the driver's transmit queue.
    virtual void AwaitWritable(int timeoutMs) = 0;
    // Waits for the next device event (deReceived ...), without a limit when timeoutMs < 0;
    // 0 on time-out. watchDevice false waits only for CancelDeviceWait.
    virtual int WaitDeviceEvent(bool watchDevice, int timeoutMs) = 0;
    // Completes a pending and every later WaitDeviceEvent with deCancelled.
    virtual void CancelDeviceWait() = 0;
    virtual bool SetDeviceQueues(int inSize, int outSize) = 0;
    virtual int RefreshModemStatus() = 0;
    // 0 or above on success; -2 no such device, -5 in use, -8 no system objects, else minus errno.
    virtual int OpenDevice(const std::string& path, int inSize, int outSize) = 0;
    virtual int CloseHandle() = 0;
    virtual bool DeviceOpen() const = 0;

    int ReadDeviceStatus(TSerDeviceStatus& status);
    int PurgeDevice(TSerPurgeSide side);
    int QueueOutput(const char* bytes, int count);
    int CloseDevice();
    void ReleaseDevice();
    void StartWorkers();
    void StopWorkers();
    void MarkLineDead() { lineDead.store(true); }

private:
    friend class TSerDispatcherThread;
    friend class TEventWorker;
    friend class TDispatchWorker;
    friend class TTransmitWorker;

    int InHeldLocked() const;
    int OutHeldLocked() const;
    void DriveModemLines(bool dtr, bool rts, bool dtrHandshake, bool rtsHandshake);
    void MoveReceivedBytes();
    void MadeRoom();
    int ReadInto(int position, int max);
    void SendQueued();
    bool TakeRun(int& start, int& length);
    void AdvanceSent(int count);
    bool WaitForWorker(TSerDispatcherThread* worker, int timeoutMs);

    std::recursive_mutex inLock;
    std::recursive_mutex outLock;
    std::recursive_mutex stateLock;

    TSerSignal::Hub hub;
    TSerSignal deviceEvent{hub, false};
    TSerSignal dispatchDone{hub, false};
    TSerSignal started{hub, false};
    TSerSignal outputQueued{hub, false};
    TSerSignal abandonOutput{hub, false};
    TSerSignal workerEnded{hub, false};
    TSerSignal roomMade{hub, false}; // a read made room in a full receive ring

    std::vector<char> inBuffer;
    int inWrite = 0;
    int inRead = 0;
    bool inFull = false;

    std::vector<char> outBuffer;
    int outSize = 0;
    int outFill = 0;
    int outSend = 0;
    bool outFull = false;

    TSerLineSettings lineSettings;
    TSerDeviceStatus lineStatus;
    bool runningMark = false;

    std::atomic<bool> killFlag{false};
    std::atomic<bool> lineDead{false};
    std::atomic<int> runningCount{0};
    std::atomic<int> pendingEvents{0};

    std::unique_ptr<TSerDispatcherThread> eventWorker;
    std::unique_ptr<TSerDispatcherThread> dispatchWorker;
    std::unique_ptr<TSerDispatcherThread> transmitWorker;
};
