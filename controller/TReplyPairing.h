#pragma once

#include "controller/TControllerFrame.h"

// What one connection has shown about a controller's replies: whether it echoes the request's
// sequence byte and a slot's key number. Controllers differ here, so nothing is demanded until
// the line itself has shown it: two different non-zero values repeated, and never one that was
// not. From then on a reply that does not repeat them answers an earlier request.
class TReplyPairing {
public:
    // False when the reply is known to answer another request than this one.
    bool Matches(const TFrame& request, const TFrame& reply, int keyNumber) const;
    // Takes an accepted reply as evidence.
    void Learn(const TFrame& request, const TFrame& reply, int keyNumber);
    void Forget();

    bool EchoesSequence() const { return sequence.state == Echo::Echoes; }
    bool EchoesKeyNumber() const { return key.state == Echo::Echoes; }

    // What a slot reply holds at its key number byte when the controller leaves it unset.
    static constexpr unsigned char UnsetKeyNumber = 0xFF;

private:
    struct Echo {
        enum State { Learning, Echoes, Ignores };
        State state = Learning;
        int firstEcho = -1;

        void See(unsigned char asked, unsigned char got);
        bool Contradicts(unsigned char asked, unsigned char got) const {
            return state == Echoes && asked != got;
        }
    };

    Echo sequence;
    Echo key;
};
