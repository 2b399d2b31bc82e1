#include "dbfeng/DbeEngine.h"

#include "dbfeng/DbeHeader.h"

#include "dbfeng/DbeHooks.h"
#include "dbfeng/DbeStagedFile.h"
#include "dbfeng/DbeText.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

DbeEngine& DbeEngine::instance() {
    static DbeEngine engine;
    return engine;
}

DbeWorkArea* DbeEngine::area(int number) {
    auto it = workAreas.find(number);
    return it == workAreas.end() ? nullptr : it->second.get();
}

DbeWorkArea* DbeEngine::current() {
    DbeWorkArea* a = area(selected);
    if (!a || !a->file) {
        setError("no table open in the selected work area");
        return nullptr;
    }
    return a;
}

int DbeEngine::findAlias(const std::string& alias) const {
    for (const auto& [number, a] : workAreas)
        if (DbeText::equalsNoCase(a->alias, alias))
            return number;
    return 0;
}

int DbeEngine::freeNumber() const {
    for (int n = 1; n <= maxWorkAreas; ++n)
        if (!workAreas.count(n))
            return n;
    return 0;
}

std::shared_ptr<DbeFile> DbeEngine::shareFile(const std::string& path, bool readOnly, std::string* error) {
    struct stat st;
    if (stat(path.c_str(), &st) != 0) {
        *error = path + ": " + std::strerror(errno);
        return nullptr;
    }
    for (const auto& [number, a] : workAreas)
        if (a->file && a->file->device() == st.st_dev && a->file->inode() == st.st_ino)
            return a->file;
    std::unique_ptr<DbeFile> file = DbeFile::open(path, readOnly, error);
    return std::shared_ptr<DbeFile>(std::move(file));
}

int DbeEngine::use(const std::string& fileName, const std::string& alias, int openMode) {
    if (alias.empty() || findAlias(alias)) {
        setError("alias in use: " + alias);
        return 0;
    }
    const int number = freeNumber();
    if (!number) {
        setError("no free work area");
        return 0;
    }
    std::string path = fileName;
    const size_t slash = path.find_last_of('/');
    if (path.find('.', slash == std::string::npos ? 0 : slash + 1) == std::string::npos) {
        if (access((path + ".dbf").c_str(), F_OK) == 0)
            path += ".dbf";
        else
            path += ".DBF";
    }
    std::string error;
    std::shared_ptr<DbeFile> file = shareFile(path, openMode == 1, &error);
    if (!file) {
        setError(error);
        return 0;
    }
    if (file->exclusiveUser || (openMode == 2 && !file->users.empty())) {
        setError(path + ": in use by another work area");
        return 0;
    }
    if (openMode != 1 && file->readOnly()) {
        setError(path + ": cannot be opened for writing");
        return 0;
    }
    auto a = std::make_unique<DbeWorkArea>(number, alias.substr(0, 10));
    a->file = file;
    a->openMode = openMode;
    if (openMode == 2)
        file->exclusiveUser = a.get();
    file->users.push_back(a.get());
    a->goTop(hideDeleted);
    workAreas[number] = std::move(a);
    selected = number;
    return number;
}

void DbeEngine::close(int number) {
    DbeWorkArea* a = area(number);
    if (!a)
        return;
    if (a->file) {
        for (auto& index : a->orders)
            if (index->dirty())
                index->save(nullptr);
        a->file->unlock(0, a);
        auto& users = a->file->users;
        users.erase(std::remove(users.begin(), users.end(), a), users.end());
        if (a->file->exclusiveUser == a)
            a->file->exclusiveUser = nullptr;
        a->file->sync();
    }
    workAreas.erase(number);
}

std::unique_ptr<DbeExpression> DbeEngine::parse(const std::string& text, const DbeWorkArea& a) {
    std::string error;
    auto e = DbeExpression::parse(text, a.file->layout(), &error);
    if (!e)
        setError("invalid expression: " + error);
    return e;
}

void DbeEngine::changed(DbeFile& file, int recNo) {
    for (DbeWorkArea* user : file.users)
        user->recordChanged(recNo, exact);
}

bool DbeEngine::writeRecord(DbeWorkArea& a, int recNo, const char* image) {
    if (a.openMode == 1) {
        setError("work area opened read-only");
        return false;
    }
    if (a.file->lockedByOther(recNo, &a)) {
        setError("record locked by another work area");
        return false;
    }
    std::string error;
    if (!a.file->write(recNo, image, durableWrites, &error)) {
        setError(error);
        return false;
    }
    changed(*a.file, recNo);
    return true;
}

int DbeEngine::appendBlank(DbeWorkArea& a) {
    if (a.openMode == 1) {
        setError("work area opened read-only");
        return 0;
    }
    std::string error;
    const int recNo = a.file->appendBlank(false, &error);
    if (!recNo) {
        setError(error);
        return 0;
    }
    changed(*a.file, recNo);
    a.go(recNo);
    return recNo;
}

bool DbeEngine::writeTableFile(const std::string& target, const std::vector<DbeWorkArea::FieldSpec>& fields,
                               const DbeFile* records, unsigned char languageDriver) {
    struct stat old;
    mode_t mode = 0;
    if (stat(target.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    DbeStagedFile staged;
    std::string error;
    if (!staged.create(target, mode, &error)) {
        setError(error);
        return false;
    }

    bool ok = true;
    SAHooks hooks = DbeHooks::forDescriptor(staged.fd());
    DBFHandle h = DBFCreateLL(target.c_str(), nullptr, &hooks);
    if (!h) {
        const std::string reason = DbeHooks::takeError();
        setError(target + ": " + (reason.empty() ? "cannot be created" : reason));
        return false;
    }
    h->iLanguageDriver = languageDriver;
    for (const auto& f : fields) {
        if (DBFAddNativeFieldType(h, f.name.c_str(), f.type, f.width, f.decimals) < 0) {
            ok = false;
            break;
        }
    }
    const std::time_t now = std::time(nullptr);
    std::tm local;
    localtime_r(&now, &local);
    DBFSetLastModifiedDate(h, local.tm_year, local.tm_mon + 1, local.tm_mday);
    if (ok && records) {
        if (h->nRecordLength != records->recordLength()) {
            ok = false;
        } else {
            std::string buffer(size_t(records->recordLength()), ' ');
            for (int r = 1; ok && r <= records->recordCount(); ++r) {
                std::memcpy(buffer.data(), records->record(r), buffer.size());
                ok = DBFWriteTuple(h, r - 1, buffer.data()) != 0;
            }
        }
    }
    if (ok)
        DBFUpdateHeader(h); // also for a table without records: the header is written now
    errno = 0;
    if (ok && std::fflush(reinterpret_cast<FILE*>(h->fp)) != 0)
        ok = false;
    if (ok && std::ferror(reinterpret_cast<FILE*>(h->fp)))
        ok = false;
    DBFClose(h);
    if (!ok) {
        const std::string reason = DbeHooks::takeError();
        setError(target + ": " + (!reason.empty() ? reason : errno ? std::strerror(errno) : "write failed"));
        return false;
    }
    if (!staged.commit(true, &error)) {
        setError(error);
        return false;
    }
    return true;
}

bool DbeEngine::isOpenFile(const std::string& path) const {
    struct stat st;
    if (stat(path.c_str(), &st) != 0)
        return false;
    for (const auto& [number, a] : workAreas)
        if (a->file && a->file->device() == st.st_dev && a->file->inode() == st.st_ino)
            return true;
    return false;
}

bool DbeEngine::createTable(DbeWorkArea& a) {
    if (a.buildFailed || a.buildFields.empty() || int(a.buildFields.size()) != a.buildFieldCount) {
        setError("table layout incomplete or refused");
        return false;
    }
    if (isOpenFile(a.buildPath)) {
        setError(a.buildPath + ": the table is open");
        return false;
    }
    if (!writeTableFile(a.buildPath, a.buildFields, nullptr, DbeHeader::windowsAnsi))
        return false;
    std::string error;
    std::shared_ptr<DbeFile> file = shareFile(a.buildPath, false, &error);
    if (!file) {
        setError(error);
        return false;
    }
    a.file = file;
    a.building = false;
    file->users.push_back(&a);
    a.goTop(hideDeleted);
    return true;
}

bool DbeEngine::copyTable(DbeWorkArea& a, const std::string& target) {
    if (target.empty()) {
        setError("no file name");
        return false;
    }
    if (isOpenFile(target)) {
        setError(target + ": the table is open");
        return false;
    }
    // Renaming over a file the user may not write would defeat its protection.
    if (access(target.c_str(), F_OK) == 0 && access(target.c_str(), W_OK) != 0) {
        setError(target + ": " + std::strerror(errno));
        return false;
    }
    std::vector<DbeWorkArea::FieldSpec> fields;
    for (const DbeField& f : a.file->layout())
        fields.push_back({f.name, f.type, f.width, f.decimals});
    return writeTableFile(target, fields, a.file.get(), a.file->languageDriver());
}
