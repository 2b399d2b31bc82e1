#include "dbfeng/DbeFile.h"

#include "dbfeng/DbeHeader.h"
#include "dbfeng/DbeHooks.h"

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
} // namespace

std::unique_ptr<DbeFile> DbeFile::open(const std::string& path, bool readOnly, std::string* error) {
    // Read and check the header ourselves before shapelib sees the file.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        fail(error, path + ": " + std::strerror(errno));
        return nullptr;
    }
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        fail(error, path + ": not a regular file");
        return nullptr;
    }
    std::vector<unsigned char> head(size_t(65536 + 32));
    size_t got = 0;
    while (got < head.size()) {
        const ssize_t n = ::read(fd, head.data() + got, head.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += size_t(n);
    }
    ::close(fd);
    DbeHeader header;
    std::string why;
    if (!DbeHeader::parse(head.data(), got, uint64_t(st.st_size), &header, &why)) {
        fail(error, path + ": " + why);
        return nullptr;
    }
    if (uint64_t(header.recordLength) * header.recordCount > maxDataSize) {
        fail(error, path + ": table too large");
        return nullptr;
    }

    std::unique_ptr<DbeFile> file(new DbeFile);
    file->filePath = path;
    file->dev = st.st_dev;
    file->ino = st.st_ino;
    file->fields = header.layout;
    file->recLength = header.recordLength;
    file->isReadOnly = readOnly || access(path.c_str(), W_OK) != 0;

    SAHooks hooks = DbeHooks::forPath(path);
    file->handle = DBFOpenLL(path.c_str(), file->isReadOnly ? "rb" : "rb+", &hooks);
    if (!file->handle) {
        const std::string reason = DbeHooks::takeError();
        fail(error, path + ": " + (reason.empty() ? "cannot be read as a dBASE table" : reason));
        return nullptr;
    }
    if (DBFGetRecordCount(file->handle) != int(header.recordCount) ||
        file->handle->nRecordLength != header.recordLength ||
        file->handle->nHeaderLength != header.headerLength) {
        fail(error, path + ": header not understood");
        return nullptr;
    }
    file->data.resize(size_t(header.recordLength) * header.recordCount);
    for (int i = 0; i < int(header.recordCount); ++i) {
        const char* tuple = DBFReadTuple(file->handle, i);
        if (!tuple) {
            fail(error, path + ": record " + std::to_string(i + 1) + " cannot be read");
            return nullptr;
        }
        std::memcpy(&file->data[size_t(i) * size_t(header.recordLength)], tuple, size_t(header.recordLength));
    }
    return file;
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
