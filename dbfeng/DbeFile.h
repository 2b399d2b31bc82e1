#pragma once

#include "dbfeng/DbeField.h"

#include <shapefil.h>

#include <map>
#include <memory>
#include <string>
#include <sys/types.h>
#include <vector>

class DbeWorkArea;

// One open table file, shared by every work area that uses it: one shapelib handle, the records
// in memory, the record locks. A write goes to the file at once (synced when durable) and is
// seen by every work area on the file with its next read.
class DbeFile {
public:
    // Largest table the engine keeps in memory; far above any table this program works on, low
    // enough that a hostile header cannot make it read for long.
    static constexpr uint64_t maxDataSize = uint64_t(1) << 28;

    // Opens the regular file at exactly `path`, checking its header and size first. Read-only
    // when it cannot be opened for writing or `readOnly` is asked.
    static std::unique_ptr<DbeFile> open(const std::string& path, bool readOnly, std::string* error);
    ~DbeFile();

    const std::string& path() const { return filePath; }
    dev_t device() const { return dev; }
    ino_t inode() const { return ino; }
    bool readOnly() const { return isReadOnly; }
    unsigned char languageDriver() const { return ldid; }
    const DbeLayout& layout() const { return fields; }
    int recordLength() const { return recLength; }
    int recordCount() const { return int(data.size() / size_t(recLength)); }
    const char* record(int recNo) const { return data.data() + size_t(recNo - 1) * size_t(recLength); }
    bool deleted(int recNo) const { return record(recNo)[0] == '*'; }

    bool write(int recNo, const char* image, bool durable, std::string* error);
    // Adds a blank record at the end; returns its number, 0 on failure.
    int appendBlank(bool durable, std::string* error);
    bool sync();

    // Record locks: a record locked by one work area cannot be locked or written by another.
    bool lock(int recNo, const DbeWorkArea* owner);
    void unlock(int recNo, const DbeWorkArea* owner); // 0: every lock of owner
    bool lockedByOther(int recNo, const DbeWorkArea* owner) const;

    std::vector<DbeWorkArea*> users;
    const DbeWorkArea* exclusiveUser = nullptr;

private:
    DbeFile() = default;
    bool flushToDisk(bool durable, std::string* error);
    void stampDate();

    std::string filePath;
    dev_t dev = 0;
    ino_t ino = 0;
    bool isReadOnly = false;
    unsigned char ldid = 0;
    bool dated = false;
    bool unsynced = false; // written since the last sync
    DBFHandle handle = nullptr;
    DbeLayout fields;
    int recLength = 0;
    std::string data; // every record, in file order
    std::map<int, const DbeWorkArea*> locks;
};
