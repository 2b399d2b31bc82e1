#pragma once

#include "controller/TControllerFrame.h"

#include <QString>

#include <functional>

class TSerDataPort;

// The byte-level routines and the two exchange patterns with the controller: a query (request,
// "Z", reply frame, "Z" back) and a command (request, "Z"). Works on the main window's one port
// and on the application's one sequence counter, both owned by the caller.
class TControllerExchange {
public:
    enum class Outcome {
        Done,       // an attempt succeeded
        Failed,     // every attempt was refused or answered with a bad reply
        PortFailure // a read or write of the port failed; its box has been shown
    };

    struct QueryShape {
        int replySize;
        bool compareCommand; // byte 3 must repeat the request's command and byte 4 be 0x01
        bool discardBefore;  // throw away stale input before each attempt
    };

    static constexpr int Attempts = 5;
    static constexpr int WaitMs = 100;

    static const QString WriteErrorText;
    static const QString ReadErrorText;
    static const QString IntegrityErrorText;

    TControllerExchange(TSerDataPort& port, unsigned char& frameSequence);

    TSerDataPort& port() const { return dataPort; }
    unsigned char sequence() const { return frameSequence; }
    void advanceSequence() { ++frameSequence; }

    // Show their error box and return false when the port layer fails.
    bool PortWrite(const unsigned char* buffer, int count);
    bool PortRead(unsigned char* buffer, int count);

    // Runs the query for a request already built; on Done the reply holds the verified frame
    // and "Z" has been sent back (its first request byte is overwritten for that).
    Outcome Query(TFrame& request, int requestSize, TFrame& reply, const QueryShape& shape);
    // Runs the command for a request already built; refused is called for every answer other than "Z".
    Outcome Command(TFrame& request, int requestSize, TFrame& reply,
                    const std::function<void()>& refused = {});

    // The checks of a query reply, byte 2 never examined.
    static bool ReplyIsValid(const TFrame& reply, const TFrame& request, const QueryShape& shape);

private:
    enum class Ack { Given, Refused, PortFailure };
    // The opening of every attempt: the request out, the pause, the acknowledge byte in.
    Ack SendAndReadAck(const TFrame& request, int requestSize, TFrame& reply);

    TSerDataPort& dataPort;
    unsigned char& frameSequence;
};
