#include "serial/TSerBaseDispatcher.h"

#include "seams/TWaitHook.h"
#include "serial/TDispatchWorker.h"
#include "serial/TEventWorker.h"
#include "serial/TSerErrors.h"
#include "serial/TTransmitWorker.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

namespace {
constexpr int StartTimeoutMs = 3000;
constexpr int PurgeAckTimeoutMs = 5000;
constexpr int DispatchEndTicks = 36;
constexpr int TickMs = 55;
// A pending write looks for abandon-output at least this often.
constexpr int PendingWaitMs = 20;

using Lock = std::lock_guard<std::recursive_mutex>;

// Waits on the thread that owns the application's windows must keep them responsive.
bool OnGuiThread() {
    QCoreApplication* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}
} // namespace

TSerBaseDispatcher::TSerBaseDispatcher() = default;

TSerBaseDispatcher::~TSerBaseDispatcher() {
    // The platform part shuts the device down in its own destructor; only workers can remain.
    StopWorkers();
}

int TSerBaseDispatcher::Initialise(const std::string& path, int baud, TParity parity, int dataBits,
                                   int stopBits, int inSize, int outSize, bool dtr, bool rts,
                                   bool dtrHandshake, bool rtsHandshake) {
    const int opened = OpenDevice(path, inSize, outSize);
    if (opened < 0)
        return opened;
    if (!SetDeviceQueues(inSize, outSize)) {
        const int code = -errno;
        Shutdown();
        return code;
    }
    {
        Lock in(inLock), out(outLock), state(stateLock);
        inBuffer.assign(InBufferSize, 0);
        inWrite = inRead = 0;
        inFull = false;
        this->outSize = std::max(outSize, 0);
        outBuffer.assign(this->outSize, 0);
        outFill = outSend = 0;
        outFull = false;
        lineStatus = TSerDeviceStatus();
    }
    DriveModemLines(dtr, rts, dtrHandshake, rtsHandshake);

    TSerLineSettings current;
    int result = GetLineSettings(current);
    if (result >= 0 && (current.baud != baud || current.parity != parity || current.dataBits != dataBits ||
                        current.stopBits != stopBits)) {
        current.baud = baud;
        current.parity = parity;
        current.dataBits = dataBits;
        current.stopBits = stopBits;
        current.dtrHandshake = dtrHandshake;
        current.rtsHandshake = rtsHandshake;
        result = SetLineSettings(current);
        if (result >= 0)
            DriveModemLines(dtr, rts, dtrHandshake, rtsHandshake);
    }
    if (result < 0) {
        Shutdown();
        return result;
    }
    {
        Lock state(stateLock);
        lineSettings = current;
    }
    StartWorkers();
    return 0;
}

void TSerBaseDispatcher::DriveModemLines(bool dtr, bool rts, bool dtrHandshake, bool rtsHandshake) {
    if (!dtrHandshake)
        EscapeLine(dtr ? lfSetDtr : lfClearDtr);
    if (!rtsHandshake)
        EscapeLine(rts ? lfSetRts : lfClearRts);
}

void TSerBaseDispatcher::Shutdown() {
    if (DeviceOpen()) {
        PurgeDevice(psTransmit);
        DiscardInput();
        CloseDevice();
    }
    ReleaseDevice();
}

int TSerBaseDispatcher::WriteHandshake(const TSerHandshake& handshake) {
    int result;
    {
        Lock state(stateLock);
        TSerLineSettings settings;
        result = GetLineSettings(settings);
        if (result >= 0) {
            settings.ctsOutFlow = handshake.requireCts;
            settings.dsrOutFlow = handshake.requireDsr;
            settings.dtrHandshake = handshake.useDtr;
            settings.rtsHandshake = handshake.useRts;
            settings.xoffLimit = handshake.xoffLimit;
            settings.xonLimit = handshake.xonLimit;
            settings.xonXoffIn = handshake.swReceive;
            settings.xonXoffOut = handshake.swTransmit;
            settings.xonChar = handshake.xonChar;
            settings.xoffChar = handshake.xoffChar;
            result = SetLineSettings(settings);
            if (result >= 0)
                lineSettings = settings;
        }
    }
    if (result < 0)
        return result;
    DriveModemLines(handshake.dtr, handshake.rts, handshake.useDtr, handshake.useRts);
    return 0;
}

// --- data operations -------------------------------------------------------------------------

int TSerBaseDispatcher::InHeldLocked() const {
    if (inFull)
        return InBufferSize;
    return (inWrite - inRead + InBufferSize) % InBufferSize;
}

int TSerBaseDispatcher::OutHeldLocked() const {
    if (outSize == 0)
        return 0;
    if (outFull)
        return outSize;
    return (outFill - outSend + outSize) % outSize;
}

int TSerBaseDispatcher::InBufferUsed() {
    Lock in(inLock);
    return InHeldLocked();
}

int TSerBaseDispatcher::OutBufferUsed() {
    Lock out(outLock);
    return OutHeldLocked();
}

bool TSerBaseDispatcher::OutBufferFull() {
    Lock out(outLock);
    return outFull;
}

bool TSerBaseDispatcher::WorkersRunning() {
    Lock state(stateLock);
    return runningMark;
}

int TSerBaseDispatcher::DiscardInput() {
    Lock in(inLock);
    const int result = PurgeDevice(psReceive);
    const bool wasFull = inFull;
    inRead = inWrite;
    inFull = false;
    if (wasFull)
        MadeRoom();
    return result;
}

int TSerBaseDispatcher::WriteBlock(const void* bytes, int count) {
    if (count <= 0)
        return 0;
    // A dead line takes nothing more: the caller learns it instead of queueing into the void.
    if (LineDead())
        return TSerErrors::ecBadId;
    Lock out(outLock);
    TSerDeviceStatus status;
    ReadDeviceStatus(status);
    const int free = outSize - status.outQueue;
    if (count > free)
        return TSerErrors::ecOutputBufferTooSmall;
    if (count == free)
        outFull = true;
    if (QueueOutput(static_cast<const char*>(bytes), count) <= 0)
        return TSerErrors::ecPutBlockFail;
    return 0;
}

int TSerBaseDispatcher::ReadBlock(void* destination, int count) {
    Lock in(inLock);
    if (count > InHeldLocked())
        return TSerErrors::ecBufferIsEmpty;
    if (count <= 0)
        return 0;
    char* to = static_cast<char*>(destination);
    const int first = std::min(count, InBufferSize - inRead);
    std::memcpy(to, inBuffer.data() + inRead, first);
    std::memcpy(to + first, inBuffer.data(), count - first);
    inRead = (inRead + count) % InBufferSize;
    if (inFull) {
        inFull = false;
        MadeRoom();
    }
    return count;
}

// Bytes held back in the driver by a full ring are fetched at once, and the event worker
// watches the device again.
void TSerBaseDispatcher::MadeRoom() {
    roomMade.Raise();
    deviceEvent.Raise();
}

// --- device operations shared by every platform ----------------------------------------------

int TSerBaseDispatcher::ReadDeviceStatus(TSerDeviceStatus& status) {
    status = TSerDeviceStatus();
    const int errors = ReadDeviceErrors(status);
    {
        Lock out(outLock);
        status.outQueue = OutHeldLocked();
    }
    if (errors > 0) {
        Lock state(stateLock);
        lineStatus.errors |= errors;
    }
    return errors;
}

int TSerBaseDispatcher::PurgeDevice(TSerPurgeSide side) {
    if (side == psReceive)
        return PurgeDriverQueue(psReceive);
    if (transmitWorker && !transmitWorker->HasEnded()) {
        started.Reset();
        abandonOutput.Raise();
        started.Wait(PurgeAckTimeoutMs);
    }
    Lock out(outLock);
    outFill = outSend = 0;
    outFull = false;
    return PurgeDriverQueue(psTransmit);
}

int TSerBaseDispatcher::QueueOutput(const char* bytes, int count) {
    {
        Lock out(outLock);
        if (count <= 0 || outSize == 0)
            return 0;
        const int first = std::min(count, outSize - outFill);
        std::memcpy(outBuffer.data() + outFill, bytes, first);
        std::memcpy(outBuffer.data(), bytes + first, count - first);
        outFill = (outFill + count) % outSize;
    }
    outputQueued.Raise();
    return count;
}

int TSerBaseDispatcher::CloseDevice() {
    if (eventWorker || dispatchWorker || transmitWorker) {
        killFlag.store(true);
        CancelDeviceWait();
        dispatchDone.Raise();
        started.Reset();
        // The descriptor is closed only once no worker can touch it any more: a number reused by
        // the next open must never be read or written by a worker of this layer.
        StopWorkers();
    }
    return CloseHandle();
}

void TSerBaseDispatcher::ReleaseDevice() {
    StopWorkers();
    Lock in(inLock), out(outLock), state(stateLock);
    std::vector<char>().swap(inBuffer);
    std::vector<char>().swap(outBuffer);
    inWrite = inRead = 0;
    inFull = false;
    outSize = outFill = outSend = 0;
    outFull = false;
}

// --- workers ---------------------------------------------------------------------------------

void TSerBaseDispatcher::StartWorkers() {
    {
        Lock state(stateLock);
        runningMark = true;
    }
    killFlag.store(false);
    started.Reset();
    eventWorker = std::make_unique<TEventWorker>(*this);
    eventWorker->Start();
    started.Wait(StartTimeoutMs);
    dispatchWorker = std::make_unique<TDispatchWorker>(*this);
    dispatchWorker->Start();
    started.Wait(StartTimeoutMs);
    transmitWorker = std::make_unique<TTransmitWorker>(*this);
    transmitWorker->Start();
    started.Wait(StartTimeoutMs);
}

bool TSerBaseDispatcher::WaitForWorker(TSerDispatcherThread* worker, int timeoutMs) {
    if (!worker)
        return true;
    const bool gui = OnGuiThread();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (gui)
            TWaitHook::pump();
        if (worker->HasEnded())
            return true;
        if (timeoutMs >= 0 && std::chrono::steady_clock::now() >= deadline)
            return false;
        workerEnded.Wait(gui ? 5 : 20);
    }
}

void TSerBaseDispatcher::StopWorkers() {
    if (!eventWorker && !dispatchWorker && !transmitWorker)
        return;
    killFlag.store(true);

    abandonOutput.Raise();
    WaitForWorker(transmitWorker.get(), -1);

    CancelDeviceWait();
    dispatchDone.Raise();
    roomMade.Raise();
    started.Reset();
    WaitForWorker(eventWorker.get(), -1);

    // The dispatch worker never waits longer than its wake interval, so this ends it at the latest
    // after the second round; the platform leaves no way to destroy a running thread safely.
    if (!WaitForWorker(dispatchWorker.get(), DispatchEndTicks * TickMs)) {
        deviceEvent.Raise();
        if (!WaitForWorker(dispatchWorker.get(), DispatchEndTicks * TickMs))
            WaitForWorker(dispatchWorker.get(), -1);
    }
    transmitWorker.reset();
    eventWorker.reset();
    dispatchWorker.reset();
    Lock state(stateLock);
    runningMark = false;
}

void TSerBaseDispatcher::MoveReceivedBytes() {
    Lock in(inLock);
    if (inFull || inBuffer.empty())
        return;
    TSerDeviceStatus status;
    ReadDeviceStatus(status);
    if (status.inQueue <= 0)
        return;
    const int contiguous = inRead > inWrite ? inRead - inWrite : InBufferSize - inWrite;
    const int first = ReadInto(inWrite, contiguous);
    if (first == contiguous && status.inQueue > first && !inFull && inWrite == 0)
        ReadInto(0, std::min(status.inQueue - first, inRead));
}

int TSerBaseDispatcher::ReadInto(int position, int max) {
    if (max <= 0)
        return 0;
    const int count = ReadDevice(inBuffer.data() + position, max);
    if (count <= 0)
        return 0;
    inWrite = (inWrite + count) % InBufferSize;
    if (inWrite == inRead)
        inFull = true;
    return count;
}

bool TSerBaseDispatcher::TakeRun(int& start, int& length) {
    Lock out(outLock);
    const int held = OutHeldLocked();
    if (held == 0)
        return false;
    if (outSend + held > outSize) {
        // The waiting bytes wrap: turn the ring so that they lie in order from position 0.
        std::rotate(outBuffer.begin(), outBuffer.begin() + outSend, outBuffer.end());
        outSend = 0;
        outFill = held % outSize;
    }
    start = outSend;
    length = held;
    return true;
}

void TSerBaseDispatcher::AdvanceSent(int count) {
    if (count <= 0)
        return;
    Lock out(outLock);
    outSend = (outSend + count) % outSize;
    outFull = false;
    if (outSend == outFill)
        outSend = outFill = 0;
}

void TSerBaseDispatcher::SendQueued() {
    int start = 0;
    int length = 0;
    for (;;) {
        if (abandonOutput.Wait(0)) {
            started.Raise();
            return;
        }
        if (killFlag.load() || !TakeRun(start, length))
            return;
        // WriteBlock never touches the bytes of a run (they are not free space), so the write
        // runs without the output lock.
        const int written = WriteDevice(outBuffer.data() + start, length);
        if (written < 0) {
            AdvanceSent(length); // refused outright: the run is dropped
            continue;
        }
        AdvanceSent(written);
        if (written < length)
            AwaitWritable(PendingWaitMs);
    }
}
