#pragma once

#include <string>

// Result codes of the device layer and the port, and their failure mapping.
namespace TSerErrors {
enum : int {
    // What a device opening returns besides a negated errno, numbered as the port's message
    // table numbers them: no such device (or it went), no such path, held by another program.
    dlNotFound = -2,
    dlPathNotFound = -3,
    dlDeviceBusy = -5,
    ecOutOfMemory = -8,
    ecBadId = -2001,
    ecNotOpen = -2007,
    ecAlreadyOpen = -2008,
    ecNoPortSelected = -2011,
    ecPutBlockFail = -3004,
    ecOutputBufferTooSmall = -3006,
    ecBufferIsEmpty = -3007,
};

// The port's message table: the text for a code's absolute value, the system's own text where the
// table has none (control characters turned into spaces, double spaces reduced to one).
std::string MessageText(int code);

// Throws the failure a negative device-layer result stands for; 0 and above pass.
void Check(int result);

// An opening's result, with the codes for "held elsewhere" and "no such device" turned into the
// port's own codes.
int MapOpenResult(int result);
} // namespace TSerErrors
