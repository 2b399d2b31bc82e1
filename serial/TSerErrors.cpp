#include "serial/TSerErrors.h"

#include "serial/ESerException.h"

#include <cstring>
#include <string_view>

namespace TSerErrors {
namespace {

struct Entry {
    int code;
    const char* text;
};

const Entry messages[] = {
    {2, "File not found"},
    {3, "Path not found"},
    {4, "Too many open files"},
    {5, "File access denied"},
    {6, "Invalid file handle"},
    {8, "Insufficient memory"},
    {15, "Invalid drive"},
    {18, "No more files"},
    {100, "Attempt to read beyond end of file"},
    {101, "Disk is full"},
    {102, "File/device not assigned"},
    {103, "File/device not open"},
    {104, "File/device not open for input"},
    {105, "File/device not open for output"},
    {150, "Disk is write-protected"},
    {151, "Unknown disk unit"},
    {152, "Drive is not ready"},
    {153, "Unknown command"},
    {154, "Data error"},
    {155, "Bad request structure length"},
    {156, "Seek error"},
    {157, "Unknown media type"},
    {158, "Disk sector not found"},
    {159, "Printer is out of paper"},
    {160, "Device write error"},
    {161, "Device read error"},
    {162, "General failure"},
    {2001, "Specified comport doesn't exist"},
    {2007, "Device not open"},
    {2008, "Device already open"},
    {2011, "The ComNumber property of the TSerComPort has not been set"},
    {3004, "Failed to put entire block"},
    {3006, "Output buffer too small for block"},
    {3007, "Buffer is empty"},
};

std::string SystemText(int code) {
    char buffer[256];
    // The GNU strerror_r may return a static string instead of filling the buffer.
    const char* text = strerror_r(code, buffer, sizeof buffer);
    std::string cleaned;
    for (const char* p = text; *p; ++p) {
        const char c = static_cast<unsigned char>(*p) < 0x20 ? ' ' : *p;
        if (c == ' ' && !cleaned.empty() && cleaned.back() == ' ')
            continue;
        cleaned += c;
    }
    return cleaned;
}

template <class E> [[noreturn]] void Raise(int code) {
    throw E(code, MessageText(code));
}

} // namespace

std::string MessageText(int code) {
    const int key = code < 0 ? -code : code;
    for (const Entry& entry : messages)
        if (entry.code == key)
            return entry.text;
    return SystemText(key);
}

void Check(int result) {
    if (result >= 0)
        return;
    switch (result) {
    case ecOutOfMemory:
        throw EOutOfMemory();
    case ecBadId:
        Raise<EBadId>(result);
    case ecNotOpen:
        Raise<ECommNotOpen>(result);
    case ecAlreadyOpen:
        Raise<EAlreadyOpen>(result);
    case ecNoPortSelected:
        Raise<ENoPortSelected>(result);
    case ecPutBlockFail:
        Raise<EPutBlockFail>(result);
    case ecOutputBufferTooSmall:
        Raise<EOutputBufferTooSmall>(result);
    case ecBufferIsEmpty:
        Raise<EBufferIsEmpty>(result);
    default:
        break;
    }
    if (result <= -2 && result >= -162)
        throw EInOutError(-result, MessageText(result));
    throw ESerException(result, "Serial port exception");
}

int MapOpenResult(int result) {
    switch (result) {
    case dlDeviceBusy:
        return ecAlreadyOpen;
    case dlNotFound:
    case dlPathNotFound:
        return ecBadId;
    default:
        return result;
    }
}

} // namespace TSerErrors
