#include "tests/controller/TScriptedPort.h"

#include "serial/ESerException.h"
#include "tools/ctrlsim/TControllerSim.h"

namespace {
void requireOpen(bool open) {
    if (!open)
        throw ESerException(-2, "Device not open");
}
} // namespace

void TScriptedPort::DiscardInput() {
    requireOpen(open);
    ++discards;
    input.clear();
}

void TScriptedPort::WriteBlock(const void* block, unsigned short count) {
    requireOpen(open);
    if (failWrites)
        throw ESerException(-5, "Write failed");
    const QByteArray bytes(static_cast<const char*>(block), count);
    writes.append(bytes);
    if (count <= 1)
        return;
    if (!script.empty()) {
        input.append(script.front());
        script.pop_front();
    } else if (responder) {
        input.append(responder(bytes));
    }
}

void TScriptedPort::ReadBlock(void* block, unsigned short count) {
    requireOpen(open);
    if (input.size() < count)
        throw ESerException(-6, "Not enough data");
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
    responder = [&sim](const QByteArray& request) {
        const TControllerSim::Answer answer =
            sim.Respond(TControllerSim::Bytes(request.begin(), request.end()));
        if (answer.delayMs > 0)
            return QByteArray();
        return QByteArray(reinterpret_cast<const char*>(answer.bytes.data()), int(answer.bytes.size()));
    };
}
