#include "controller/TControllerExchange.h"

#include "seams/TMessageBoxes.h"
#include "seams/TSleep.h"
#include "serial/ESerException.h"
#include "serial/TSerDataPort.h"

const QString TControllerExchange::WriteErrorText = QStringLiteral("Error writing data from COM port.");
const QString TControllerExchange::ReadErrorText = QStringLiteral("Error reading data from COM port.");
const QString TControllerExchange::IntegrityErrorText = QStringLiteral("Data integritatity check error.");

TControllerExchange::TControllerExchange(TSerDataPort& port, unsigned char& sequence)
    : dataPort(port), frameSequence(sequence) {}

bool TControllerExchange::PortWrite(const unsigned char* buffer, int count) {
    try {
        dataPort.WriteBlock(buffer, static_cast<unsigned short>(count));
        return true;
    } catch (const ESerException&) {
        MessageBoxes().error(WriteErrorText);
        return false;
    }
}

bool TControllerExchange::PortRead(unsigned char* buffer, int count) {
    try {
        dataPort.ReadBlock(buffer, static_cast<unsigned short>(count));
        return true;
    } catch (const ESerException&) {
        MessageBoxes().error(ReadErrorText);
        return false;
    }
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

TControllerExchange::Ack TControllerExchange::SendAndReadAck(const TFrame& request, int requestSize,
                                                             TFrame& reply) {
    if (!PortWrite(request.data(), requestSize))
        return Ack::PortFailure;
    TSleep::ms(WaitMs);
    FillFrame(reply);
    if (!PortRead(reply.data(), 1))
        return Ack::PortFailure;
    return reply[0] == Frame::Ack ? Ack::Given : Ack::Refused;
}

TControllerExchange::Outcome TControllerExchange::Query(TFrame& request, int requestSize, TFrame& reply,
                                                        const QueryShape& shape) {
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        // Not guarded: a closed port ends the user's action through the general error report.
        if (shape.discardBefore)
            dataPort.DiscardInput();
        const Ack ack = SendAndReadAck(request, requestSize, reply);
        if (ack == Ack::PortFailure)
            return Outcome::PortFailure;
        if (ack == Ack::Refused) {
            // A query that does not discard before each attempt would otherwise read the rest of
            // a refused answer as the next acknowledge.
            if (!shape.discardBefore) {
                try {
                    dataPort.DiscardInput();
                } catch (const ESerException&) {
                }
            }
            continue;
        }
        FillFrame(reply);
        if (!PortRead(reply.data(), shape.replySize))
            return Outcome::PortFailure;
        if (!ReplyIsValid(reply, request, shape)) {
            MessageBoxes().error(IntegrityErrorText);
            continue;
        }
        request[0] = Frame::Ack;
        PortWrite(request.data(), 1);
        return Outcome::Done;
    }
    return Outcome::Failed;
}

TControllerExchange::Outcome TControllerExchange::Command(TFrame& request, int requestSize, TFrame& reply,
                                                          const std::function<void()>& refused) {
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        dataPort.DiscardInput();
        const Ack ack = SendAndReadAck(request, requestSize, reply);
        if (ack == Ack::PortFailure)
            return Outcome::PortFailure;
        if (ack == Ack::Given)
            return Outcome::Done;
        if (refused)
            refused();
    }
    return Outcome::Failed;
}
