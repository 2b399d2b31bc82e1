#include "dbfeng/DbeHooks.h"

#include "dbfeng/DbeText.h"

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

int meantFd = -1;
std::string lastError;

bool endsWithNoCase(const char* name, const char* suffix) {
    const size_t n = std::strlen(name), s = std::strlen(suffix);
    return n >= s && DbeText::equalsNoCase(std::string_view(name + n - s, s), suffix);
}

FILE* asFile(SAFile f) {
    return reinterpret_cast<FILE*>(f);
}

SAFile openHook(const char* filename, const char* access) {
    // Only the table itself: no code-page side file is read or written.
    if (!endsWithNoCase(filename, ".dbf") || meantFd < 0)
        return nullptr;
    std::string mode = access;
    if (mode.find('b') == std::string::npos)
        mode += 'b';
    const int fd = fcntl(meantFd, F_DUPFD_CLOEXEC, 0);
    if (fd < 0)
        return nullptr;
    // The duplicate shares the file offset; shapelib reads the header without seeking first.
    FILE* file = lseek(fd, 0, SEEK_SET) == 0 ? fdopen(fd, mode.c_str()) : nullptr;
    if (!file)
        ::close(fd);
    return reinterpret_cast<SAFile>(file);
}

SAOffset readHook(void* p, SAOffset size, SAOffset count, SAFile f) {
    return std::fread(p, size, count, asFile(f));
}

SAOffset writeHook(void* p, SAOffset size, SAOffset count, SAFile f) {
    return std::fwrite(p, size, count, asFile(f));
}

SAOffset seekHook(SAFile f, SAOffset offset, int whence) {
    return SAOffset(fseeko(asFile(f), off_t(offset), whence));
}

SAOffset tellHook(SAFile f) {
    return SAOffset(ftello(asFile(f)));
}

int flushHook(SAFile f) {
    return std::fflush(asFile(f));
}

int closeHook(SAFile f) {
    return std::fclose(asFile(f));
}

int removeHook(const char*) {
    return 0;
}

void errorHook(const char* message) {
    lastError = message ? message : "";
}

double atofHook(const char* text) {
    return DbeText::parseNumber(text ? text : "");
}

} // namespace

namespace DbeHooks {

SAHooks forDescriptor(int fd) {
    meantFd = fd;
    SAHooks hooks;
    std::memset(&hooks, 0, sizeof hooks);
    hooks.FOpen = openHook;
    hooks.FRead = readHook;
    hooks.FWrite = writeHook;
    hooks.FSeek = seekHook;
    hooks.FTell = tellHook;
    hooks.FFlush = flushHook;
    hooks.FClose = closeHook;
    hooks.Remove = removeHook;
    hooks.Error = errorHook;
    hooks.Atof = atofHook;
    return hooks;
}

bool sync(SAFile file) {
    FILE* f = asFile(file);
    if (std::fflush(f) != 0)
        return false;
    return fdatasync(fileno(f)) == 0;
}

std::string takeError() {
    std::string e;
    e.swap(lastError);
    return e;
}

} // namespace DbeHooks
