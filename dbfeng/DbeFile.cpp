#include "dbfeng/DbeFile.h"

#include "dbfeng/DbeHeader.h"
#include "dbfeng/DbeHooks.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
bool fail(std::string* error, const std::string& why) {
    if (error)
        *error = why;
    return false;
}

int refuse(std::string* error, const std::string& why) {
    fail(error, why);
    return -1;
}
} // namespace

namespace {
// Opens only a regular file, and the one the name showed: a FIFO or a device would block the
// open or a read for good, or do something on being opened (a serial line raises DTR). The name
// is checked first so that no such node is ever opened; the descriptor is opened non-blocking
// and checked again, in case the name was replaced in between.
int openRegular(const std::string& path, bool* readOnly, struct stat* st, std::string* error) {
    struct stat byName;
    if (::stat(path.c_str(), &byName) != 0)
        return refuse(error, path + ": " + std::strerror(errno));
    if (!S_ISREG(byName.st_mode))
        return refuse(error, path + ": not a regular file");
    const int flags = O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    int fd = -1;
    if (!*readOnly) {
        fd = ::open(path.c_str(), O_RDWR | flags);
        if (fd < 0 && (errno == EACCES || errno == EROFS || errno == EPERM || errno == ETXTBSY))
            *readOnly = true;
        else if (fd < 0)
            return refuse(error, path + ": " + std::strerror(errno));
    }
    if (fd < 0)
        fd = ::open(path.c_str(), O_RDONLY | flags);
    if (fd < 0)
        return refuse(error, path + ": " + std::strerror(errno));
    if (fstat(fd, st) != 0 || !S_ISREG(st->st_mode) || st->st_dev != byName.st_dev ||
        st->st_ino != byName.st_ino) {
        ::close(fd);
        return refuse(error, path + ": not a regular file");
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

bool readAt(int fd, char* into, size_t size, uint64_t offset) {
    errno = 0;
    size_t got = 0;
    while (got < size) {
        const ssize_t n = ::pread(fd, into + got, size - got, off_t(offset + got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        got += size_t(n);
    }
    return true;
}

// Closes the descriptor however open() ends; shapelib keeps its own duplicate.
struct TDescriptor {
    int fd;
    ~TDescriptor() {
        if (fd >= 0)
            ::close(fd);
    }
};
} // namespace

std::unique_ptr<DbeFile> DbeFile::open(const std::string& path, bool readOnly, std::string* error) {
    struct stat st;
    const TDescriptor file{openRegular(path, &readOnly, &st, error)};
    if (file.fd < 0)
        return nullptr;
    // Read and check the header ourselves before shapelib sees the file.
    std::vector<unsigned char> head(size_t(std::min<uint64_t>(uint64_t(st.st_size), 65536 + 32)));
    if (!readAt(file.fd, reinterpret_cast<char*>(head.data()), head.size(), 0)) {
        fail(error, path + ": " + (errno ? std::strerror(errno) : "cannot be read"));
        return nullptr;
    }
    DbeHeader header;
    std::string why;
    if (!DbeHeader::parse(head.data(), head.size(), uint64_t(st.st_size), &header, &why)) {
        fail(error, path + ": " + why);
        return nullptr;
    }
    if (uint64_t(header.recordLength) * header.recordCount > maxDataSize) {
        fail(error, path + ": table too large");
        return nullptr;
    }

    std::unique_ptr<DbeFile> table(new DbeFile);
    table->filePath = path;
    table->dev = st.st_dev;
    table->ino = st.st_ino;
    table->fields = header.layout;
    table->recLength = header.recordLength;
    table->ldid = header.languageDriver;
    table->isReadOnly = readOnly;

    SAHooks hooks = DbeHooks::forDescriptor(file.fd);
    table->handle = DBFOpenLL(path.c_str(), readOnly ? "rb" : "rb+", &hooks);
    if (!table->handle) {
        const std::string reason = DbeHooks::takeError();
        fail(error, path + ": " + (reason.empty() ? "cannot be read as a dBASE table" : reason));
        return nullptr;
    }
    if (DBFGetRecordCount(table->handle) != int(header.recordCount) ||
        table->handle->nRecordLength != header.recordLength ||
        table->handle->nHeaderLength != header.headerLength) {
        fail(error, path + ": header not understood");
        return nullptr;
    }
    // All records in one read rather than one call per record.
    table->data.resize(size_t(header.recordLength) * header.recordCount);
    if (!readAt(file.fd, table->data.data(), table->data.size(), uint64_t(header.headerLength))) {
        fail(error, path + ": the records cannot be read");
        return nullptr;
    }
    return table;
}

DbeFile::~DbeFile() {
    if (handle)
        DBFClose(handle);
}

void DbeFile::stampDate() {
    if (dated)
        return;
    const std::time_t now = std::time(nullptr);
    std::tm local;
    localtime_r(&now, &local);
    DBFSetLastModifiedDate(handle, local.tm_year, local.tm_mon + 1, local.tm_mday);
    dated = true;
}

bool DbeFile::flushToDisk(bool durable, std::string* error) {
    DBFUpdateHeader(handle); // writes the pending record and the record count, then flushes
    // Everything is in the file now: closing must write nothing more, not even a header into a
    // file that someone replaced in the meantime.
    handle->bUpdated = 0;
    unsynced = true;
    if (durable) {
        if (!DbeHooks::sync(handle->fp))
            return fail(error, filePath + ": " + std::strerror(errno));
        unsynced = false;
    }
    if (std::ferror(reinterpret_cast<FILE*>(handle->fp)))
        return fail(error, filePath + ": write failed");
    return true;
}

bool DbeFile::write(int recNo, const char* image, bool durable, std::string* error) {
    if (isReadOnly)
        return fail(error, filePath + ": table is read-only");
    if (recNo < 1 || recNo > recordCount())
        return fail(error, "no such record");
    std::string record(image, size_t(recLength));
    if (record[0] != '*')
        record[0] = ' ';
    stampDate();
    if (!DBFWriteTuple(handle, recNo - 1, record.data()))
        return fail(error, filePath + ": record not written");
    if (!flushToDisk(durable, error))
        return false;
    std::memcpy(&data[size_t(recNo - 1) * size_t(recLength)], record.data(), size_t(recLength));
    return true;
}

int DbeFile::appendBlank(bool durable, std::string* error) {
    if (isReadOnly) {
        fail(error, filePath + ": table is read-only");
        return 0;
    }
    if (uint64_t(data.size()) + uint64_t(recLength) > maxDataSize || recordCount() >= 0x7FFFFFFE) {
        fail(error, filePath + ": table full");
        return 0;
    }
    const std::string blank(size_t(recLength), ' ');
    const int recNo = recordCount() + 1;
    stampDate();
    if (!DBFWriteTuple(handle, recNo - 1, const_cast<char*>(blank.data()))) {
        fail(error, filePath + ": record not added");
        return 0;
    }
    if (!flushToDisk(durable, error))
        return 0;
    data += blank;
    return recNo;
}

bool DbeFile::sync() {
    if (isReadOnly || !unsynced)
        return true;
    return flushToDisk(true, nullptr);
}

bool DbeFile::lock(int recNo, const DbeWorkArea* owner) {
    if (recNo < 1 || recNo > recordCount())
        return false;
    auto it = locks.find(recNo);
    if (it != locks.end())
        return it->second == owner;
    locks[recNo] = owner;
    return true;
}

void DbeFile::unlock(int recNo, const DbeWorkArea* owner) {
    for (auto it = locks.begin(); it != locks.end();) {
        if (it->second == owner && (recNo == 0 || it->first == recNo))
            it = locks.erase(it);
        else
            ++it;
    }
}

bool DbeFile::lockedByOther(int recNo, const DbeWorkArea* owner) const {
    auto it = locks.find(recNo);
    return it != locks.end() && it->second != owner;
}
