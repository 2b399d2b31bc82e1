#pragma once

#include <QByteArray>
#include <QString>

// What a file was when the program last read or wrote it: size, modification time and a hash of
// its bytes. A file whose identity changed meanwhile was changed by someone else (another window,
// vtrk, a sync tool) and must not be replaced by contents made from the old one.
class TFileIdentity {
public:
    // Files larger than this are identified by size and time alone.
    static constexpr qint64 MaxHashedBytes = 64 * 1024 * 1024;

    // An identity that matches no file: nothing was read yet.
    TFileIdentity() = default;
    // The file as it is now; a missing file has an identity of its own ("absent").
    static TFileIdentity Of(const QString& path);

    bool IsKnown() const { return known; }
    bool Exists() const { return exists; }
    bool operator==(const TFileIdentity& other) const;
    bool operator!=(const TFileIdentity& other) const { return !(*this == other); }

private:
    bool known = false;
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    QByteArray hash;
};
