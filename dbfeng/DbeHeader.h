#pragma once

#include "dbfeng/DbeField.h"

#include <cstdint>
#include <string>

// What the engine needs of a dBASE file header, read and checked before anything trusts it.
struct DbeHeader {
    static constexpr int fileHeaderSize = 32;
    static constexpr int fieldDescriptorSize = 32;
    static constexpr unsigned char headerTerminator = 0x0D;
    static constexpr unsigned char endOfFile = 0x1A;
    static constexpr int maxFields = 1024;
    static constexpr int languageDriverOffset = 29;
    // The language driver byte that GDAL and dbfread both read as Windows code page 1252. (0x57,
    // "ANSI", is read by GDAL as ISO-8859-1, which has no euro sign.)
    static constexpr unsigned char windowsAnsi = 0x03;

    unsigned char version = 0;
    unsigned char languageDriver = 0;
    uint32_t recordCount = 0;
    int headerLength = 0;
    int recordLength = 0;
    DbeLayout layout;

    // Checks the header bytes against themselves and the file size: a known version byte, field
    // descriptors ending in the terminator inside the header, field widths that add up to the
    // record length, and records that fit in the file. On failure *error tells why.
    static bool parse(const unsigned char* bytes, size_t available, uint64_t fileSize, DbeHeader* header,
                      std::string* error);
};
