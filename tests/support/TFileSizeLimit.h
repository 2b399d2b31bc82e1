#pragma once

#include <csignal>
#include <sys/resource.h>

// A full disk for the length of a scope: writes past `bytes` in any file fail with EFBIG
// instead of raising SIGXFSZ, as a write onto a full file system fails with ENOSPC.
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old);
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = old;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~TFileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, previousHandler);
    }
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

private:
    rlimit old{};
    void (*previousHandler)(int) = nullptr;
};
