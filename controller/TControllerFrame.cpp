#include "controller/TControllerFrame.h"

#include <cstring>

void FillFrame(TFrame& frame) {
    frame.fill(0xFF);
}

unsigned char FrameChecksum(const TFrame& frame, int count) {
    unsigned sum = 0;
    for (int i = 0; i < count && i < FrameBufferSize; ++i)
        sum += frame[i];
    return static_cast<unsigned char>(~sum & 0xFF);
}

void SealFrame(TFrame& frame, int frameSize) {
    frame[frameSize - 1] = FrameChecksum(frame, frameSize - 1);
}

namespace {
int buildHeader(TFrame& frame, int size, unsigned char sequence, unsigned char command) {
    FillFrame(frame);
    frame[Frame::OfsStart] = Frame::Start;
    frame[Frame::OfsLength] = Frame::lengthOf(size);
    frame[Frame::OfsSequence] = sequence;
    frame[Frame::OfsCommand] = command;
    return size;
}

int buildQuery(TFrame& frame, int size, unsigned char sequence, unsigned char command) {
    buildHeader(frame, size, sequence, command);
    frame[Frame::OfsSubCommand] = Frame::SubRead;
    SealFrame(frame, size);
    return size;
}
} // namespace

int BuildVersionRequest(TFrame& frame, unsigned char sequence) {
    buildHeader(frame, Frame::VersionRequestSize, sequence, Frame::CmdVersion);
    SealFrame(frame, Frame::VersionRequestSize);
    return Frame::VersionRequestSize;
}

int BuildSerialRequest(TFrame& frame, unsigned char sequence) {
    return buildQuery(frame, Frame::SerialRequestSize, sequence, Frame::CmdSerial);
}

int BuildInfoReadRequest(TFrame& frame, unsigned char sequence) {
    return buildQuery(frame, Frame::InfoRequestSize, sequence, Frame::CmdInfo);
}

int BuildInfoWriteRequest(TFrame& frame, unsigned char sequence, const unsigned char* info32) {
    buildHeader(frame, Frame::InfoWriteSize, sequence, Frame::CmdInfo);
    frame[Frame::OfsSubCommand] = Frame::SubWrite;
    std::memcpy(frame.data() + Frame::OfsData, info32, Frame::InfoBytes);
    SealFrame(frame, Frame::InfoWriteSize);
    return Frame::InfoWriteSize;
}

int BuildSlotReadRequest(TFrame& frame, unsigned char sequence, unsigned char command, unsigned char slot) {
    buildHeader(frame, Frame::SlotReadSize, sequence, command);
    frame[Frame::OfsSubCommand] = Frame::SubRead;
    frame[Frame::OfsData] = slot;
    SealFrame(frame, Frame::SlotReadSize);
    return Frame::SlotReadSize;
}

void BuildSlotWriteHeader(TFrame& frame, unsigned char command) {
    FillFrame(frame);
    frame[Frame::OfsStart] = Frame::Start;
    frame[Frame::OfsLength] = Frame::lengthOf(Frame::SlotWriteSize);
    frame[Frame::OfsCommand] = command;
    frame[Frame::OfsSubCommand] = Frame::SubWrite;
}

int BuildClosingFrame(TFrame& frame) {
    buildHeader(frame, Frame::FixedFrameSize, 0x00, Frame::CmdClosing);
    SealFrame(frame, Frame::FixedFrameSize);
    return Frame::FixedFrameSize;
}

int BuildLineTestFrame(TFrame& frame) {
    buildHeader(frame, Frame::FixedFrameSize, 0x00, Frame::CmdSerial);
    SealFrame(frame, Frame::FixedFrameSize);
    return Frame::FixedFrameSize;
}
