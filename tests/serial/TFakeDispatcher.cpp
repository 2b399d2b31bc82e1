#include "tests/serial/TFakeDispatcher.h"

#include <chrono>

using Guard = std::unique_lock<std::mutex>;

TFakeDispatcher::~TFakeDispatcher() {
    Shutdown();
}

void TFakeDispatcher::Deliver(const QByteArray& bytes) {
    {
        Guard lock(mutex);
        received += bytes;
    }
    changed.notify_all();
}

void TFakeDispatcher::AllowWrite(int count) {
    {
        Guard lock(mutex);
        budget += count;
    }
    changed.notify_all();
}

QByteArray TFakeDispatcher::Sent() {
    Guard lock(mutex);
    return sent;
}

int TFakeDispatcher::WriteCalls() {
    Guard lock(mutex);
    return writeCalls;
}

int TFakeDispatcher::PurgeDriverQueue(TSerPurgeSide side) {
    Guard lock(mutex);
    if (side == psReceive)
        received.clear();
    return 0;
}

int TFakeDispatcher::ReadDeviceErrors(TSerDeviceStatus& status) {
    Guard lock(mutex);
    status.inQueue = static_cast<int>(received.size());
    return 0;
}

int TFakeDispatcher::GetLineSettings(TSerLineSettings& out) {
    Guard lock(mutex);
    out = settings;
    return 0;
}

int TFakeDispatcher::SetLineSettings(const TSerLineSettings& in) {
    Guard lock(mutex);
    settings = in;
    return 0;
}

int TFakeDispatcher::ReadDevice(char* buffer, int max) {
    Guard lock(mutex);
    const int count = std::min<int>(max, received.size());
    std::copy(received.constData(), received.constData() + count, buffer);
    received.remove(0, count);
    return count;
}

int TFakeDispatcher::WriteDevice(const char* bytes, int count) {
    Guard lock(mutex);
    ++writeCalls;
    const int accepted = std::min(count, budget);
    budget -= accepted;
    sent.append(bytes, accepted);
    return accepted;
}

void TFakeDispatcher::AwaitWritable(int timeoutMs) {
    Guard lock(mutex);
    changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return budget > 0 || cancelled; });
}

int TFakeDispatcher::WaitDeviceEvent(bool watchDevice, int timeoutMs) {
    Guard lock(mutex);
    auto ready = [&] { return cancelled || (watchDevice && !received.isEmpty()); };
    if (timeoutMs < 0)
        changed.wait(lock, ready);
    else if (!changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready))
        return 0;
    return cancelled ? deCancelled : deReceived;
}

void TFakeDispatcher::CancelDeviceWait() {
    {
        Guard lock(mutex);
        cancelled = true;
    }
    changed.notify_all();
}

int TFakeDispatcher::OpenDevice(const std::string&, int, int) {
    Guard lock(mutex);
    open = true;
    cancelled = false;
    return 1;
}

int TFakeDispatcher::CloseHandle() {
    Guard lock(mutex);
    open = false;
    return 0;
}
