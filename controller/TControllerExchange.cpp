#include "controller/TControllerExchange.h"

#include "seams/TMessageBoxes.h"
#include "seams/TSleep.h"
#include "seams/TStopRequest.h"
#include "serial/ESerException.h"
#include "serial/TSerDataPort.h"

#include <algorithm>

QString TControllerExchange::WriteErrorText() {
    return tr("Error writing data from COM port.");
}

QString TControllerExchange::ReadErrorText() {
    return tr("Error reading data from COM port.");
}

QString TControllerExchange::IntegrityErrorText() {
    return tr("Data integritatity check error.");
}

QString TControllerExchange::NoAnswerText(int comNumber) {
    return tr("The controller does not answer on COM%1.").arg(comNumber);
}

QString TControllerExchange::DisconnectedText(int comNumber) {
    return tr("The controller port COM%1 was disconnected.").arg(comNumber);
}

QString TControllerExchange::ChatteringText(int comNumber) {
    return tr("The line on COM%1 does not fall quiet: bytes keep arriving that answer no request.")
        .arg(comNumber);
}

TControllerExchange::TControllerExchange(TSerDataPort& port, unsigned char& sequence, TMessageBoxes& boxes)
    : dataPort(port), frameSequence(sequence), boxes(boxes), openingSeen(port.Openings()) {}

void TControllerExchange::Pause(int ms) {
    TSleep::ms(ms);
    sinceRequestMs += ms;
}

bool TControllerExchange::PortLost() const {
    return dataPort.HungUp();
}

void TControllerExchange::FollowOpenings() {
    if (dataPort.Openings() == openingSeen)
        return;
    openingSeen = dataPort.Openings();
    pairing.Forget();
    lateReplyMs = LateReplyMs;
    lineInDoubt = false;
}

TControllerExchange::Io TControllerExchange::Discard(bool guarded) {
    try {
        dataPort.DiscardInput();
    } catch (const ESerException&) {
        if (PortLost())
            return Io::Gone;
        // Unguarded, a closed port ends the user's action through the general error report.
        if (!guarded)
            throw;
    }
    return Io::Ok;
}

int TControllerExchange::Drain(Io& io) {
    unsigned char byte = 0;
    int count = 0;
    for (;;) {
        try {
            dataPort.ReadBlock(&byte, 1);
            ++count;
        } catch (const EBufferIsEmpty&) {
            return count;
        } catch (const ESerException&) {
            if (PortLost()) {
                io = Io::Gone;
                return -1;
            }
            // A closed port: the discard that follows fails the way the caller expects.
            return count;
        }
    }
}

TControllerExchange::Io TControllerExchange::AwaitQuiet(bool& anyByte) {
    int quietMs = 0;
    int waitedMs = 0;
    for (;;) {
        Io io = Io::Ok;
        const int taken = Drain(io);
        if (taken < 0)
            return io;
        if (taken > 0) {
            quietMs = 0;
            anyByte = true;
            // An answer after the deadline: this line is slow, give it longer from now on.
            lateReplyMs = SlowLineLateReplyMs;
        }
        // The last request's answer may come until its deadline has passed, however quiet the line.
        if (quietMs > lateReplyMs && sinceRequestMs > WaitMs + lateReplyMs)
            break;
        // Quiet time does not count: only bytes that keep coming make a chattering line.
        if (waitedMs - quietMs >= QuietCapMs)
            return Io::Chattering;
        if (TStopRequest::Raised())
            return Io::Stopped;
        Pause(PollMs);
        quietMs += PollMs;
        waitedMs += PollMs;
    }
    lineInDoubt = false;
    return Io::Ok;
}

TControllerExchange::Io TControllerExchange::Prepare(bool guarded, bool retry, bool& anyByte) {
    FollowOpenings();
    // A retry asks the same thing again, so a late answer to its own earlier attempt is harmless;
    // only bytes beyond a whole answer (quietBeforeRetry) make it wait.
    if (retry && !quietBeforeRetry) {
        if (TStopRequest::Raised())
            return Io::Stopped;
        return Discard(guarded);
    }
    quietBeforeRetry = false;
    if (!lineInDoubt) {
        Io io = Io::Ok;
        const int waiting = Drain(io);
        if (waiting < 0)
            return io;
        // Bytes nobody asked for yet: whatever they answer, the next reply may be theirs too.
        lineInDoubt = waiting > 0;
    }
    if (lineInDoubt) {
        const Io io = AwaitQuiet(anyByte);
        if (io != Io::Ok)
            return io;
    }
    if (TStopRequest::Raised())
        return Io::Stopped;
    return Discard(guarded);
}

void TControllerExchange::Settle(int attempt) {
    // The answer of a given-up attempt may still be on its way.
    lineInDoubt = attempt > 0;
    // An answer after a missed deadline may well be the missed one: this line answers late.
    if (missedDeadline)
        lateReplyMs = SlowLineLateReplyMs;
}

bool TControllerExchange::Surplus(Io& io) {
    const int extra = Drain(io);
    quietBeforeRetry = quietBeforeRetry || extra != 0;
    return extra != 0;
}

TControllerExchange::Io TControllerExchange::Send(const unsigned char* buffer, int count) {
    try {
        dataPort.WriteBlock(buffer, static_cast<unsigned short>(count));
        return Io::Ok;
    } catch (const ESerException&) {
        if (PortLost())
            return Io::Gone;
        boxes.error(WriteErrorText());
        return Io::Failed;
    }
}

TControllerExchange::Io TControllerExchange::Take(unsigned char* buffer, int count, int& lateBudgetMs) {
    for (;;) {
        try {
            dataPort.ReadBlock(buffer, static_cast<unsigned short>(count));
            return Io::Ok;
        } catch (const EBufferIsEmpty&) {
            if (lateBudgetMs <= 0)
                return Io::Missing;
        } catch (const ESerException&) {
            if (PortLost())
                return Io::Gone;
            boxes.error(ReadErrorText());
            return Io::Failed;
        }
        const int step = std::min(PollMs, lateBudgetMs);
        Pause(step);
        lateBudgetMs -= step;
    }
}

bool TControllerExchange::PortWrite(const unsigned char* buffer, int count) {
    return Send(buffer, count) == Io::Ok;
}

bool TControllerExchange::PortReadLate(unsigned char* buffer, int count) {
    int budget = lateReplyMs;
    const Io io = Take(buffer, count, budget);
    if (io == Io::Missing)
        boxes.error(ReadErrorText());
    return io == Io::Ok;
}

bool TControllerExchange::ReplyIsValid(const TFrame& reply, const TFrame& request, const QueryShape& shape) {
    const int size = shape.replySize;
    if (reply[Frame::OfsStart] != Frame::Start || reply[Frame::OfsLength] != Frame::lengthOf(size))
        return false;
    if (shape.compareCommand && (reply[Frame::OfsCommand] != request[Frame::OfsCommand] ||
                                 reply[Frame::OfsSubCommand] != Frame::SubRead))
        return false;
    return FrameChecksum(reply, size - 1) == reply[size - 1];
}

// A failed or lost port, a chattering line or a stop ends the exchange with the matching outcome.
bool TControllerExchange::Ends(Io io, Outcome& outcome) {
    switch (io) {
    case Io::Ok:
    case Io::Missing:
        return false;
    case Io::Failed:
        outcome = Outcome::PortFailure;
        break;
    case Io::Gone:
        outcome = Outcome::PortGone;
        break;
    case Io::Chattering:
        outcome = Outcome::Chattering;
        break;
    case Io::Stopped:
        outcome = Outcome::Interrupted;
        break;
    }
    return true;
}

TControllerExchange::Outcome TControllerExchange::Query(TFrame& request, int requestSize, TFrame& reply,
                                                        const QueryShape& shape) {
    Outcome end = Outcome::Failed;
    bool anyByte = false;
    attemptsSent = 0;
    quietBeforeRetry = false;
    missedDeadline = false;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        if (Ends(Prepare(!shape.discardBefore, attempt > 0, anyByte), end) ||
            Ends(Send(request.data(), requestSize), end))
            return end;
        ++attemptsSent;
        sinceRequestMs = 0;
        // From here on only a whole valid reply, and nothing after it, clears the doubt.
        Doubt();
        Pause(WaitMs);
        int lateBudget = lateReplyMs;
        FillFrame(reply);
        Io io = Take(reply.data(), 1, lateBudget);
        if (Ends(io, end))
            return end;
        if (io == Io::Missing) {
            missedDeadline = true;
            continue;
        }
        anyByte = true;
        if (reply[0] != Frame::Ack)
            continue;
        FillFrame(reply);
        io = Take(reply.data(), shape.replySize, lateBudget);
        if (Ends(io, end))
            return end;
        if (io == Io::Missing) {
            missedDeadline = true;
            continue;
        }
        if (!ReplyIsValid(reply, request, shape)) {
            boxes.error(IntegrityErrorText());
            continue;
        }
        if (!pairing.Matches(request, reply, shape.keyNumber)) {
            // An earlier request's answer: this attempt's own may still be on its way.
            quietBeforeRetry = true;
            continue;
        }
        if (Surplus(io)) {
            if (Ends(io, end))
                return end;
            continue;
        }
        pairing.Learn(request, reply, shape.keyNumber);
        Settle(attempt);
        request[0] = Frame::Ack;
        PortWrite(request.data(), 1);
        return Outcome::Done;
    }
    return Ended(anyByte);
}

TControllerExchange::Outcome TControllerExchange::Command(TFrame& request, int requestSize, TFrame& reply,
                                                          const std::function<void()>& refused) {
    Outcome end = Outcome::Failed;
    bool anyByte = false;
    attemptsSent = 0;
    quietBeforeRetry = false;
    missedDeadline = false;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        if (Ends(Prepare(false, attempt > 0, anyByte), end) || Ends(Send(request.data(), requestSize), end))
            return end;
        ++attemptsSent;
        sinceRequestMs = 0;
        Doubt();
        Pause(WaitMs);
        int lateBudget = lateReplyMs;
        FillFrame(reply);
        Io io = Take(reply.data(), 1, lateBudget);
        if (Ends(io, end))
            return end;
        if (io == Io::Missing) {
            missedDeadline = true;
            continue;
        }
        anyByte = true;
        if (reply[0] != Frame::Ack) {
            if (refused)
                refused();
            continue;
        }
        // A second byte behind the acknowledge: one of the two may be an earlier attempt's.
        if (Surplus(io)) {
            if (Ends(io, end))
                return end;
            continue;
        }
        Settle(attempt);
        return Outcome::Done;
    }
    return Ended(anyByte);
}
