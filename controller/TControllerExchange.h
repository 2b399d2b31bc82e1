#pragma once

#include "controller/TControllerFrame.h"

#include <QString>

#include <functional>

class TSerDataPort;

// The byte-level routines and the two exchange patterns with the controller: a query (request,
// "Z", reply frame, "Z" back) and a command (request, "Z"). Works on the main window's one port
// and on the application's one sequence counter, both owned by the caller.
//
// Every attempt costs the 100 ms pause. An answer still incomplete then is waited for until
// LateReplyMs more have passed; one still missing after that is a failed attempt, retried with
// the same sequence byte. Only a port that is gone ends an exchange early.
class TControllerExchange {
public:
    enum class Outcome {
        Done,        // an attempt succeeded
        Failed,      // every attempt was refused, answered badly or left unanswered
        Silent,      // no attempt got a single byte back: the controller does not answer
        PortFailure, // a read or write of the port failed; its box has been shown
        PortGone     // the port hung up and closed; no box has been shown
    };

    struct QueryShape {
        int replySize;
        bool compareCommand; // byte 3 must repeat the request's command and byte 4 be 0x01
        bool discardBefore;  // a closed port's failure to discard ends the user's action
    };

    static constexpr int Attempts = 5;
    static constexpr int WaitMs = 100;
    // How much longer than the pause an attempt waits for an answer that has begun or is due:
    // the wire takes about 45 ms per slot and USB adapters add their latency timer on top.
    static constexpr int LateReplyMs = 400;
    // The step of that wait.
    static constexpr int PollMs = 10;

    static const QString WriteErrorText;
    static const QString ReadErrorText;
    static const QString IntegrityErrorText;
    static QString NoAnswerText(int comNumber);
    static QString DisconnectedText(int comNumber);

    TControllerExchange(TSerDataPort& port, unsigned char& frameSequence);

    TSerDataPort& port() const { return dataPort; }
    unsigned char sequence() const { return frameSequence; }
    void advanceSequence() { ++frameSequence; }
    // The port closed itself because its device hung up.
    bool PortLost() const;

    // Show their error box and return false when the port layer fails; a port that hung up
    // shows nothing (PortLost tells). The read waits up to LateReplyMs for bytes still missing.
    bool PortWrite(const unsigned char* buffer, int count);
    bool PortReadLate(unsigned char* buffer, int count);

    // Runs the query for a request already built; on Done the reply holds the verified frame
    // and "Z" has been sent back (its first request byte is overwritten for that).
    Outcome Query(TFrame& request, int requestSize, TFrame& reply, const QueryShape& shape);
    // Runs the command for a request already built; refused is called for every answer other
    // than "Z" (not for an answer that never came).
    Outcome Command(TFrame& request, int requestSize, TFrame& reply,
                    const std::function<void()>& refused = {});

    // The checks of a query reply, byte 2 never examined.
    static bool ReplyIsValid(const TFrame& reply, const TFrame& request, const QueryShape& shape);

private:
    enum class Io { Ok, Missing, Failed, Gone };
    // The opening of every attempt: stale input out, the request out, the pause, the acknowledge in.
    Io Discard(bool guarded);
    Io Send(const unsigned char* buffer, int count);
    // Takes count bytes, waiting for them while lateBudgetMs lasts.
    Io Take(unsigned char* buffer, int count, int& lateBudgetMs);
    static bool Ends(Io io, Outcome& outcome);
    Outcome Ended(bool anyByte) const { return anyByte ? Outcome::Failed : Outcome::Silent; }

    TSerDataPort& dataPort;
    unsigned char& frameSequence;
};
