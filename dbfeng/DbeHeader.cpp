#include "dbfeng/DbeHeader.h"

#include <cstring>

namespace {
bool knownVersion(unsigned char v) {
    switch (v) {
    case 0x03: // dBASE III, no memo
    case 0x04:
    case 0x05:
    case 0x30: // Visual FoxPro
    case 0x31:
    case 0x32:
    case 0x43:
    case 0x63:
    case 0x83: // dBASE III with memo
    case 0x8B:
    case 0x8E:
    case 0xCB:
    case 0xE5:
    case 0xF5: // FoxPro with memo
    case 0xFB:
        return true;
    default:
        return false;
    }
}

bool knownType(char t) {
    return std::strchr("CNLDFMIBGPTY@O+0V", t) != nullptr && t != '\0';
}

bool fail(std::string* error, const char* why) {
    if (error)
        *error = why;
    return false;
}
} // namespace

bool DbeHeader::parse(const unsigned char* bytes, size_t available, uint64_t fileSize, DbeHeader* header,
                      std::string* error) {
    if (available < size_t(fileHeaderSize) || fileSize < uint64_t(fileHeaderSize))
        return fail(error, "file too short for a dBASE header");
    DbeHeader h;
    h.version = bytes[0];
    h.languageDriver = bytes[languageDriverOffset];
    if (!knownVersion(h.version))
        return fail(error, "not a dBASE table");
    h.recordCount =
        uint32_t(bytes[4]) | uint32_t(bytes[5]) << 8 | uint32_t(bytes[6]) << 16 | uint32_t(bytes[7]) << 24;
    h.headerLength = bytes[8] | bytes[9] << 8;
    h.recordLength = bytes[10] | bytes[11] << 8;
    if (h.headerLength < fileHeaderSize + fieldDescriptorSize + 1)
        return fail(error, "header length too small");
    if (uint64_t(h.headerLength) > fileSize || size_t(h.headerLength) > available)
        return fail(error, "header longer than the file");
    if (h.recordLength < 2)
        return fail(error, "record length too small");

    int offset = 1;
    size_t pos = fileHeaderSize;
    for (;;) {
        if (pos >= size_t(h.headerLength))
            return fail(error, "field descriptors without terminator");
        if (bytes[pos] == headerTerminator)
            break;
        if (pos + fieldDescriptorSize >= size_t(h.headerLength))
            return fail(error, "field descriptor past the header");
        if (h.layout.size() >= size_t(maxFields))
            return fail(error, "too many fields");
        const unsigned char* d = bytes + pos;
        DbeField f;
        size_t nameLength = 0;
        while (nameLength < 11 && d[nameLength] != 0)
            ++nameLength;
        f.name.assign(reinterpret_cast<const char*>(d), nameLength);
        while (!f.name.empty() && f.name.back() == ' ')
            f.name.pop_back();
        if (f.name.empty())
            return fail(error, "field without a name");
        for (char c : f.name)
            if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E)
                return fail(error, "field name with unprintable bytes");
        f.type = char(d[11]);
        if (!knownType(f.type))
            return fail(error, "unknown field type");
        f.width = d[16];
        f.decimals = d[17];
        if (f.width < 1)
            return fail(error, "field of width 0");
        f.offset = offset;
        offset += f.width;
        if (offset > h.recordLength)
            return fail(error, "fields wider than the record");
        h.layout.push_back(f);
        pos += fieldDescriptorSize;
    }
    if (h.layout.empty())
        return fail(error, "table without fields");
    if (offset != h.recordLength)
        return fail(error, "record length disagrees with the fields");
    if (h.recordCount > 0x7FFFFFFFu)
        return fail(error, "record count too large");
    const uint64_t needed = uint64_t(h.headerLength) + uint64_t(h.recordLength) * h.recordCount;
    if (needed > fileSize)
        return fail(error, "file shorter than its header says (truncated)");
    *header = std::move(h);
    return true;
}
