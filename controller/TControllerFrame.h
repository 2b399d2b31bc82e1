#pragma once

#include <array>

// One controller frame: AA, length (bytes after it, checksum included), sequence, command,
// sub-command where present, data, checksum. Every buffer is 39 bytes, the largest frame.
constexpr int FrameBufferSize = 39;
using TFrame = std::array<unsigned char, FrameBufferSize>;

namespace Frame {
constexpr unsigned char Start = 0xAA;
constexpr unsigned char Ack = 0x5A; // "Z", both directions

constexpr unsigned char SubRead = 0x01;
constexpr unsigned char SubWrite = 0x00;

constexpr unsigned char CmdVersion = 0x99;
constexpr unsigned char CmdMasterKeys = 0xC0;
constexpr unsigned char CmdSlaveKeys = 0xC1;
constexpr unsigned char CmdInfo = 0xC2;
constexpr unsigned char CmdClosing = 0xC3;
constexpr unsigned char CmdSerial = 0xC4; // with a sub-command; alone it is the line test

constexpr int OfsStart = 0;
constexpr int OfsLength = 1;
constexpr int OfsSequence = 2;
constexpr int OfsCommand = 3;
constexpr int OfsSubCommand = 4;
constexpr int OfsData = 5;

constexpr int VersionRequestSize = 5;
constexpr int VersionReplySize = 13;
constexpr int VersionOffset = 4;
constexpr int VersionBytes = 8;

constexpr int SerialRequestSize = 6;
constexpr int SerialReplySize = 14;
constexpr int SerialBytes = 8;

constexpr int InfoRequestSize = 6;
constexpr int InfoReplySize = 38;
constexpr int InfoWriteSize = 38;
constexpr int InfoBytes = 32;

constexpr int SlotReadSize = 7;
constexpr int SlotReplySize = 39;
constexpr int SlotWriteSize = 39;

constexpr int FixedFrameSize = 5;

// The length byte of a frame of the given size.
constexpr unsigned char lengthOf(int frameSize) {
    return static_cast<unsigned char>(frameSize - 2);
}
} // namespace Frame

// Sets every byte of the buffer to 0xFF, so that bytes a command does not set are 0xFF.
void FillFrame(TFrame& frame);
// Bitwise NOT of the low 8 bits of the sum of the first count bytes (count 1..39).
unsigned char FrameChecksum(const TFrame& frame, int count);
// Writes the checksum of the bytes before it as the last byte of a frame of frameSize bytes.
void SealFrame(TFrame& frame, int frameSize);

// Request builders: each fills the buffer afresh and returns the request's size.
int BuildVersionRequest(TFrame& frame, unsigned char sequence);
int BuildSerialRequest(TFrame& frame, unsigned char sequence);
int BuildInfoReadRequest(TFrame& frame, unsigned char sequence);
int BuildInfoWriteRequest(TFrame& frame, unsigned char sequence, const unsigned char* info32);
int BuildSlotReadRequest(TFrame& frame, unsigned char sequence, unsigned char command, unsigned char slot);
// The parts of a slot write that stay the same for every slot of one table.
void BuildSlotWriteHeader(TFrame& frame, unsigned char command);
// The closing frame after a master-key write and the line-test frame: sequence 0, constant checksum.
int BuildClosingFrame(TFrame& frame);
int BuildLineTestFrame(TFrame& frame);
