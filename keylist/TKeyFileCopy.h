#pragma once

#include <QCoreApplication>
#include <QString>

// Brings a user's key-list file into the private working directory. Anything given as a key list
// may be hostile: a FIFO or a device (which would block or act on being opened), a header that
// lies about the records, gigabytes of holes after them. So only a regular file is opened, its
// header is checked to describe a key list that fills the file before a byte is copied, and only
// header and records are copied, into a file of the user's own (mode 0600) whatever the source's
// mode.
class TKeyFileCopy {
    Q_DECLARE_TR_FUNCTIONS(TKeyFileCopy)

public:
    // Bounds of a key list: 6 fields (a header of at most 64 fields allowed), a 55-byte record
    // (wider when other tools add fields), the header record and 136 slots.
    static constexpr int MaxHeaderLength = 32 + 64 * 32 + 1 + 263;
    static constexpr int MinRecordLength = 55;
    static constexpr int MaxRecordLength = 4000;
    static constexpr int MinRecords = 137;
    static constexpr int MaxRecords = 1000;

    // Copies source to target (replacing it). Throws std::runtime_error with the reason alone
    // (the system's error text where there is one); the caller names the file.
    static void CopyIn(const QString& source, const QString& target);
};
