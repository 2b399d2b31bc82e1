#include "dbfeng/DbeStagedFile.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* suffix = ".dbf";
constexpr size_t randomLength = 6;

bool fail(std::string* error, const std::string& why) {
    if (error)
        *error = why;
    return false;
}

std::string randomPart() {
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<size_t> pick(0, sizeof letters - 2);
    std::string out;
    for (size_t i = 0; i < randomLength; ++i)
        out += letters[pick(generator)];
    return out;
}

bool isRandomPart(const std::string& text, size_t at) {
    if (text.size() < at + randomLength)
        return false;
    for (size_t i = at; i < at + randomLength; ++i)
        if (!std::isalnum(static_cast<unsigned char>(text[i])))
            return false;
    return true;
}

// ".vtrk-save-XXXXXX.dbf", and ".vtrk-save-XXXXXX.dbf.XXXXXX" as earlier versions left them.
bool isStagingName(const std::string& name) {
    const std::string prefix = DbeStagedFile::prefix;
    if (name.compare(0, prefix.size(), prefix) != 0 || !isRandomPart(name, prefix.size()))
        return false;
    const size_t rest = prefix.size() + randomLength;
    if (name.compare(rest, std::string::npos, suffix) == 0)
        return true;
    const size_t dot = rest + std::strlen(suffix);
    return name.compare(rest, std::strlen(suffix), suffix) == 0 && name.size() == dot + 1 + randomLength &&
           name[dot] == '.' && isRandomPart(name, dot + 1);
}

std::string newName(const std::string& directory) {
    return directory + "/" + DbeStagedFile::prefix + randomPart() + suffix;
}

void syncDirectory(const std::string& directory) {
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    fsync(fd);
    ::close(fd);
}

} // namespace

std::string DbeStagedFile::directoryOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

DbeStagedFile::~DbeStagedFile() {
    if (!named.empty())
        ::unlink(named.c_str());
    if (handle >= 0)
        ::close(handle);
}

bool DbeStagedFile::create(const std::string& target, mode_t mode, std::string* error) {
    targetPath = target;
    directory = directoryOf(target);
    removeStale(directory);
    handle = ::open(directory.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (handle < 0) {
        // No unnamed files here: a hidden name beside the target, locked while we write.
        for (int attempt = 0; attempt < 100 && handle < 0; ++attempt) {
            named = newName(directory);
            handle = ::open(named.c_str(), O_CREAT | O_EXCL | O_RDWR | O_NOFOLLOW | O_CLOEXEC, 0600);
            if (handle < 0 && errno != EEXIST)
                break;
        }
        if (handle < 0) {
            named.clear();
            return fail(error, target + ": " + std::strerror(errno));
        }
    }
    flock(handle, LOCK_EX | LOCK_NB);
    if (fchmod(handle, mode) != 0)
        return fail(error, target + ": " + std::strerror(errno));
    return true;
}

bool DbeStagedFile::commit(bool durable, std::string* error) {
    if (durable && fdatasync(handle) != 0)
        return fail(error, targetPath + ": " + std::strerror(errno));
    if (named.empty()) {
        // The file gets a (locked, hidden) name only now that it is complete; rename() then puts
        // it in place atomically, which linking cannot do over an existing target.
        const std::string self = "/proc/self/fd/" + std::to_string(handle);
        for (int attempt = 0; attempt < 100 && named.empty(); ++attempt) {
            const std::string name = newName(directory);
            if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
                named = name;
            else if (errno != EEXIST)
                return fail(error, targetPath + ": " + std::strerror(errno));
        }
        if (named.empty())
            return fail(error, targetPath + ": " + std::strerror(EEXIST));
    }
    if (std::rename(named.c_str(), targetPath.c_str()) != 0)
        return fail(error, targetPath + ": " + std::strerror(errno));
    named.clear();
    if (durable)
        syncDirectory(directory);
    return true;
}

void DbeStagedFile::removeStale(const std::string& directory) {
    const int dirFd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0)
        return;
    DIR* dir = fdopendir(dirFd);
    if (!dir) {
        ::close(dirFd);
        return;
    }
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (!isStagingName(name))
            continue;
        const int fd = openat(dirFd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat st;
        // Only this user's own files, and only those nobody is writing.
        if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == geteuid() &&
            flock(fd, LOCK_EX | LOCK_NB) == 0)
            unlinkat(dirFd, name.c_str(), 0);
        ::close(fd);
    }
    closedir(dir);
}
