#pragma once

#include "controller/TControllerFrame.h"
#include "controller/TReplyPairing.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

class TMessageBoxes;
class TSerDataPort;

// The byte-level routines and the two exchange patterns with the controller: a query (request,
// "Z", reply frame, "Z" back) and a command (request, "Z"). Works on the main window's one port
// and on the application's one sequence counter, both owned by the caller.
//
// Every attempt costs the 100 ms pause. An answer still incomplete then is waited for until
// LateReplyMs more have passed; one still missing after that is a failed attempt, retried with
// the same sequence byte. Only a port that is gone ends an exchange early.
//
// A reply is taken only when it is known to answer the request just sent. The answer to a given-up
// attempt may still come, and taken for the next slot's it would shift every later slot by one.
// So after an exchange whose last attempt did not end with one whole valid reply, and whenever
// bytes are waiting before an exchange, its first request goes out only once the line has been
// quiet for the late-reply deadline and that deadline has passed for the last request (bytes that
// keep coming for QuietCapMs make a chattering line, which fails the request). A reply followed by more
// bytes, or one that does not repeat what the line has shown it repeats, is not taken, and its retry waits
// for a quiet line too. Other retries ask the same thing again, so a late answer to their own earlier attempt
// is harmless: they only discard. A line seen to answer late (bytes during such a wait, or a reply taken
// after an attempt had missed its deadline) gets the longer deadline SlowLineLateReplyMs until the port is
// reopened.
//
// Port errors are told through the boxes its owner passes in; the information routines and the
// key transfers built on an exchange talk to the user through the same boxes, so one conversation
// has one user, whether a window, vtrk or a test's recorder.
class TControllerExchange {
    Q_DECLARE_TR_FUNCTIONS(TControllerExchange)

public:
    enum class Outcome {
        Done,        // an attempt succeeded
        Failed,      // every attempt was refused, answered badly or left unanswered
        Silent,      // no attempt got a single byte back: the controller does not answer
        PortFailure, // a read or write of the port failed; its box has been shown
        PortGone,    // the port hung up and closed; no box has been shown
        Chattering,  // the line did not fall quiet before a request could be sent
        Interrupted  // a stop was asked for; the attempt in flight was let end first
    };

    struct QueryShape {
        int replySize;
        bool compareCommand; // byte 3 must repeat the request's command and byte 4 be 0x01
        bool discardBefore;  // a closed port's failure to discard ends the user's action
        int keyNumber = -1;  // the slot asked for, which the reply may repeat at its byte 5
    };

    static constexpr int Attempts = 5;
    static constexpr int WaitMs = 100;
    // How much longer than the pause an attempt waits for an answer that has begun or is due:
    // the wire takes about 45 ms per slot and USB adapters add their latency timer on top.
    static constexpr int LateReplyMs = 400;
    // The step of that wait.
    static constexpr int PollMs = 10;
    // How long bytes may keep coming while a quiet line is waited for, before the line counts as
    // chattering.
    static constexpr int QuietCapMs = 2000;
    // The late-reply deadline of a line that has been seen to answer after LateReplyMs. With it a
    // reply up to WaitMs + SlowLineLateReplyMs after its request is always paired right; a later
    // one is beyond what the pairing can guarantee.
    static constexpr int SlowLineLateReplyMs = 1500;

    static QString WriteErrorText();
    static QString ReadErrorText();
    static QString IntegrityErrorText();
    static QString NoAnswerText(int comNumber);
    static QString DisconnectedText(int comNumber);

    TControllerExchange(TSerDataPort& port, unsigned char& frameSequence, TMessageBoxes& boxes);

    TSerDataPort& port() const { return dataPort; }
    TMessageBoxes& Boxes() const { return boxes; }
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

    // The checks of a query reply's frame; whom it answers is the pairing's part.
    static bool ReplyIsValid(const TFrame& reply, const TFrame& request, const QueryShape& shape);

    const TReplyPairing& Pairing() const { return pairing; }
    // How long an attempt now waits for its answer after the pause.
    int LateReplyDeadlineMs() const { return lateReplyMs; }
    // Whether the next request will first wait for a quiet line.
    bool LineInDoubt() const { return lineInDoubt; }
    // Requests the last query or command put on the line: after an interruption, whether the
    // controller may have received it.
    int AttemptsSent() const { return attemptsSent; }
    static QString ChatteringText(int comNumber);

private:
    enum class Io { Ok, Missing, Failed, Gone, Chattering, Stopped };
    // The opening of every attempt: the line made ready (stale input out, or a quiet line waited
    // for), the stop request looked at, the request out.
    Io Prepare(bool guarded, bool retry, bool& anyByte);
    Io Discard(bool guarded);
    // Throws away what is waiting; the count taken, or -1 when the port failed or went.
    int Drain(Io& io);
    // Bytes taken while waiting count as an answer: the controller is not silent.
    Io AwaitQuiet(bool& anyByte);
    // A new opening of the port: what was learnt about the old line is forgotten.
    void FollowOpenings();
    // Ends an attempt that did not bring one whole valid reply.
    void Doubt() { lineInDoubt = true; }
    Io Send(const unsigned char* buffer, int count);
    // Every wait of the exchange: the time since the last request is counted by them.
    void Pause(int ms);
    // After a whole valid reply: what the attempts before it tell about the line.
    void Settle(int attempt);
    // Takes count bytes, waiting for them while lateBudgetMs lasts.
    Io Take(unsigned char* buffer, int count, int& lateBudgetMs);
    static bool Ends(Io io, Outcome& outcome);
    Outcome Ended(bool anyByte) const { return anyByte ? Outcome::Failed : Outcome::Silent; }
    // After a whole valid answer: more bytes waiting mean the pairing is in doubt.
    bool Surplus(Io& io);

    TSerDataPort& dataPort;
    unsigned char& frameSequence;
    TMessageBoxes& boxes;
    TReplyPairing pairing;
    bool lineInDoubt = false;
    bool quietBeforeRetry = false;
    bool missedDeadline = false;
    // Counted from the last request sent; starts high, since a new line owes no answer.
    int sinceRequestMs = 1 << 20;
    int lateReplyMs = LateReplyMs;
    unsigned openingSeen = 0;
    int attemptsSent = 0;
};
