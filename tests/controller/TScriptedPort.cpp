#include "tests/controller/TScriptedPort.h"

#include "serial/ESerException.h"

#include "serial/TSerErrors.h"
#include "tools/ctrlsim/TControllerSim.h"
#include <algorithm>

TScriptedPort* TScriptedPort::clocked = nullptr;

namespace {
void requireOpen(bool open) {
    if (!open)
        throw ECommNotOpen(TSerErrors::ecNotOpen, "Device not open");
}
} // namespace

void TScriptedPort::ClockedSleep(int ms) {
    if (clocked)
        clocked->Sleep(ms);
}

void TScriptedPort::Sleep(int ms) {
    clockMs += ms;
    Deliver();
}

void TScriptedPort::Deliver() {
    for (auto it = inFlight.begin(); it != inFlight.end();) {
        if (it->atMs <= clockMs) {
            input.append(it->bytes);
            it = inFlight.erase(it);
        } else {
            ++it;
        }
    }
}

void TScriptedPort::hangUp() {
    open = false;
    hungUp = true;
}

void TScriptedPort::DiscardInput() {
    requireOpen(open);
    ++discards;
    Deliver();
    input.clear();
}

void TScriptedPort::WriteBlock(const void* block, unsigned short count) {
    requireOpen(open);
    if (failWrites)
        throw EPutBlockFail(TSerErrors::ecPutBlockFail, "Failed to put entire block");
    const QByteArray bytes(static_cast<const char*>(block), count);
    writes.append(bytes);
    if (count <= 1)
        return;
    if (!timedScript.empty()) {
        for (const Piece& piece : timedScript.front())
            inFlight.append({clockMs + piece.atMs, piece.bytes});
        timedScript.pop_front();
    } else if (!script.empty()) {
        input.append(script.front());
        script.pop_front();
    } else if (responder) {
        input.append(responder(bytes));
    } else if (timedResponder) {
        const Piece piece = timedResponder(bytes);
        inFlight.append({clockMs + piece.atMs, piece.bytes});
        Deliver();
    }
    if (onRequest)
        onRequest(requests().size());
}

void TScriptedPort::ReadBlock(void* block, unsigned short count) {
    requireOpen(open);
    Deliver();
    if (input.size() < count)
        throw EBufferIsEmpty(TSerErrors::ecBufferIsEmpty, "Buffer is empty");
    std::copy(input.begin(), input.begin() + count, static_cast<char*>(block));
    input.remove(0, count);
}

QList<QByteArray> TScriptedPort::requests() const {
    QList<QByteArray> list;
    for (const QByteArray& w : writes)
        if (w.size() > 1)
            list.append(w);
    return list;
}

void TScriptedPort::playController(TControllerSim& sim) {
    timedResponder = [this, &sim](const QByteArray& request) {
        const TControllerSim::Answer answer =
            sim.Respond(TControllerSim::Bytes(request.begin(), request.end()));
        // One controller answers one request after the other: a late answer holds back the next.
        int delay = answer.delayMs;
        if (!answer.bytes.empty()) {
            delay = std::max(delay, lastAnswerAtMs - clockMs);
            lastAnswerAtMs = clockMs + delay;
        }
        return Piece{
            delay, QByteArray(reinterpret_cast<const char*>(answer.bytes.data()), int(answer.bytes.size()))};
    };
}
