#pragma once

#include <string>
#include <sys/types.h>

// A file written in full before it takes the place of its target, so that the target is always
// either the old file or the whole new one. Where the file system allows, the file has no name
// until it is complete (O_TMPFILE), so a process killed while writing leaves nothing behind.
// Elsewhere it is a hidden file beside the target, locked while in use, which removeStale()
// clears away once its writer is gone.
class DbeStagedFile {
public:
    // Hidden staging files of this program start with this.
    static constexpr const char* prefix = ".vtrk-save-";

    DbeStagedFile() = default;
    DbeStagedFile(const DbeStagedFile&) = delete;
    DbeStagedFile& operator=(const DbeStagedFile&) = delete;
    ~DbeStagedFile(); // a staging file that was not committed is removed

    // Makes the staging file in target's directory, for reading and writing, with mode; first
    // clears away what killed writers left there.
    bool create(const std::string& target, mode_t mode, std::string* error);
    int fd() const { return handle; }
    // Renames the file over the target; durable: syncs the file before and the directory after.
    bool commit(bool durable, std::string* error);

    // Removes staging files in directory that this user's writers left behind (killed or
    // crashed); a file whose writer still holds its lock stays.
    static void removeStale(const std::string& directory);

    static std::string directoryOf(const std::string& path);

private:
    std::string targetPath;
    std::string directory;
    std::string named; // the staging file's name while it has one
    int handle = -1;
};
