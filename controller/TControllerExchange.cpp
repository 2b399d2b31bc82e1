#include "controller/TControllerExchange.h"

#include "seams/TMessageBoxes.h"
#include "seams/TSleep.h"
#include "serial/ESerException.h"
#include "serial/TSerDataPort.h"

#include <algorithm>

const QString TControllerExchange::WriteErrorText = QStringLiteral("Error writing data from COM port.");
const QString TControllerExchange::ReadErrorText = QStringLiteral("Error reading data from COM port.");
const QString TControllerExchange::IntegrityErrorText = QStringLiteral("Data integritatity check error.");

QString TControllerExchange::NoAnswerText(int comNumber) {
    return QStringLiteral("The controller does not answer on COM%1.").arg(comNumber);
}

QString TControllerExchange::DisconnectedText(int comNumber) {
    return QStringLiteral("The controller port COM%1 was disconnected.").arg(comNumber);
}

TControllerExchange::TControllerExchange(TSerDataPort& port, unsigned char& sequence)
    : dataPort(port), frameSequence(sequence) {}

bool TControllerExchange::PortLost() const {
    return dataPort.HungUp();
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

TControllerExchange::Io TControllerExchange::Send(const unsigned char* buffer, int count) {
    try {
        dataPort.WriteBlock(buffer, static_cast<unsigned short>(count));
        return Io::Ok;
    } catch (const ESerException&) {
        if (PortLost())
            return Io::Gone;
        MessageBoxes().error(WriteErrorText);
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
            MessageBoxes().error(ReadErrorText);
            return Io::Failed;
        }
        const int step = std::min(PollMs, lateBudgetMs);
        TSleep::ms(step);
        lateBudgetMs -= step;
    }
}

bool TControllerExchange::PortWrite(const unsigned char* buffer, int count) {
    return Send(buffer, count) == Io::Ok;
}

bool TControllerExchange::PortReadLate(unsigned char* buffer, int count) {
    int budget = LateReplyMs;
    const Io io = Take(buffer, count, budget);
    if (io == Io::Missing)
        MessageBoxes().error(ReadErrorText);
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

// A failed or lost port ends the exchange with the matching outcome.
bool TControllerExchange::Ends(Io io, Outcome& outcome) {
    if (io == Io::Failed)
        outcome = Outcome::PortFailure;
    else if (io == Io::Gone)
        outcome = Outcome::PortGone;
    return io == Io::Failed || io == Io::Gone;
}

TControllerExchange::Outcome TControllerExchange::Query(TFrame& request, int requestSize, TFrame& reply,
                                                        const QueryShape& shape) {
    Outcome end = Outcome::Failed;
    bool anyByte = false;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        // Stale bytes of an earlier late answer must never pass for this attempt's answer.
        if (Ends(Discard(!shape.discardBefore), end) || Ends(Send(request.data(), requestSize), end))
            return end;
        TSleep::ms(WaitMs);
        int lateBudget = LateReplyMs;
        FillFrame(reply);
        Io io = Take(reply.data(), 1, lateBudget);
        if (Ends(io, end))
            return end;
        if (io == Io::Missing)
            continue;
        anyByte = true;
        if (reply[0] != Frame::Ack)
            continue;
        FillFrame(reply);
        io = Take(reply.data(), shape.replySize, lateBudget);
        if (Ends(io, end))
            return end;
        if (io == Io::Missing)
            continue;
        if (!ReplyIsValid(reply, request, shape)) {
            MessageBoxes().error(IntegrityErrorText);
            continue;
        }
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
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        if (Ends(Discard(false), end) || Ends(Send(request.data(), requestSize), end))
            return end;
        TSleep::ms(WaitMs);
        int lateBudget = LateReplyMs;
        FillFrame(reply);
        const Io io = Take(reply.data(), 1, lateBudget);
        if (Ends(io, end))
            return end;
        if (io == Io::Missing)
            continue;
        anyByte = true;
        if (reply[0] == Frame::Ack)
            return Outcome::Done;
        if (refused)
            refused();
    }
    return Ended(anyByte);
}
