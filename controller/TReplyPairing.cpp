#include "controller/TReplyPairing.h"

void TReplyPairing::Echo::See(unsigned char asked, unsigned char got) {
    if (state != Learning)
        return;
    if (got != asked) {
        state = Ignores;
        return;
    }
    // Zero proves nothing: a controller that leaves the byte 0 repeats a request of 0 as well.
    if (asked == 0)
        return;
    if (firstEcho < 0)
        firstEcho = asked;
    else if (firstEcho != asked)
        state = Echoes;
}

bool TReplyPairing::Matches(const TFrame& request, const TFrame& reply, int keyNumber) const {
    if (sequence.Contradicts(request[Frame::OfsSequence], reply[Frame::OfsSequence]))
        return false;
    if (keyNumber < 0 || reply[Frame::OfsData] == UnsetKeyNumber)
        return true;
    return !key.Contradicts(static_cast<unsigned char>(keyNumber), reply[Frame::OfsData]);
}

void TReplyPairing::Learn(const TFrame& request, const TFrame& reply, int keyNumber) {
    sequence.See(request[Frame::OfsSequence], reply[Frame::OfsSequence]);
    if (keyNumber >= 0 && reply[Frame::OfsData] != UnsetKeyNumber)
        key.See(static_cast<unsigned char>(keyNumber), reply[Frame::OfsData]);
}

void TReplyPairing::Forget() {
    *this = TReplyPairing();
}
