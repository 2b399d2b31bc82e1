#include "serial/TSerErrors.h"

#include "serial/ESerException.h"

#include <QCoreApplication>

#include <cstring>
#include <string_view>

namespace TSerErrors {
namespace {

struct Entry {
    int code;
    const char* text;
};

const Entry messages[] = {
    {2, QT_TRANSLATE_NOOP("TSerErrors", "File not found")},
    {3, QT_TRANSLATE_NOOP("TSerErrors", "Path not found")},
    {4, QT_TRANSLATE_NOOP("TSerErrors", "Too many open files")},
    {5, QT_TRANSLATE_NOOP("TSerErrors", "File access denied")},
    {6, QT_TRANSLATE_NOOP("TSerErrors", "Invalid file handle")},
    {8, QT_TRANSLATE_NOOP("TSerErrors", "Insufficient memory")},
    {15, QT_TRANSLATE_NOOP("TSerErrors", "Invalid drive")},
    {18, QT_TRANSLATE_NOOP("TSerErrors", "No more files")},
    {100, QT_TRANSLATE_NOOP("TSerErrors", "Attempt to read beyond end of file")},
    {101, QT_TRANSLATE_NOOP("TSerErrors", "Disk is full")},
    {102, QT_TRANSLATE_NOOP("TSerErrors", "File/device not assigned")},
    {103, QT_TRANSLATE_NOOP("TSerErrors", "File/device not open")},
    {104, QT_TRANSLATE_NOOP("TSerErrors", "File/device not open for input")},
    {105, QT_TRANSLATE_NOOP("TSerErrors", "File/device not open for output")},
    {150, QT_TRANSLATE_NOOP("TSerErrors", "Disk is write-protected")},
    {151, QT_TRANSLATE_NOOP("TSerErrors", "Unknown disk unit")},
    {152, QT_TRANSLATE_NOOP("TSerErrors", "Drive is not ready")},
    {153, QT_TRANSLATE_NOOP("TSerErrors", "Unknown command")},
    {154, QT_TRANSLATE_NOOP("TSerErrors", "Data error")},
    {155, QT_TRANSLATE_NOOP("TSerErrors", "Bad request structure length")},
    {156, QT_TRANSLATE_NOOP("TSerErrors", "Seek error")},
    {157, QT_TRANSLATE_NOOP("TSerErrors", "Unknown media type")},
    {158, QT_TRANSLATE_NOOP("TSerErrors", "Disk sector not found")},
    {159, QT_TRANSLATE_NOOP("TSerErrors", "Printer is out of paper")},
    {160, QT_TRANSLATE_NOOP("TSerErrors", "Device write error")},
    {161, QT_TRANSLATE_NOOP("TSerErrors", "Device read error")},
    {162, QT_TRANSLATE_NOOP("TSerErrors", "General failure")},
    {2001, QT_TRANSLATE_NOOP("TSerErrors", "Specified comport doesn't exist")},
    {2007, QT_TRANSLATE_NOOP("TSerErrors", "Device not open")},
    {2008, QT_TRANSLATE_NOOP("TSerErrors", "Device already open")},
    {2011, QT_TRANSLATE_NOOP("TSerErrors", "The ComNumber property of the TSerComPort has not been set")},
    {3004, QT_TRANSLATE_NOOP("TSerErrors", "Failed to put entire block")},
    {3006, QT_TRANSLATE_NOOP("TSerErrors", "Output buffer too small for block")},
    {3007, QT_TRANSLATE_NOOP("TSerErrors", "Buffer is empty")},
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
            return QCoreApplication::translate("TSerErrors", entry.text).toStdString();
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
    throw ESerException(result,
                        QCoreApplication::translate("TSerErrors", "Serial port exception").toStdString());
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
