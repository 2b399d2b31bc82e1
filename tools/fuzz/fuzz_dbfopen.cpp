// Opening and walking a table file that may be anything: it opens or is refused, and nothing
// reads past a buffer, crashes or hangs.
#include "dbfeng/dbfeng.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = [] {
        char name[] = "/tmp/fuzz_dbfopen.XXXXXX";
        const int fd = mkstemp(name);
        if (fd >= 0)
            close(fd);
        return std::string(name) + ".dbf";
    }();
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);

    dbe_SetExact(1);
    const int wa = dbe_Use(path.c_str(), "FUZZ", 0, 3);
    if (wa > 0) {
        char buffer[70000];
        const int count = dbe_FieldCount();
        if (dbe_RecSize() < int(sizeof buffer)) {
            int steps = 0;
            for (dbe_GoTop(); !dbe_Eof() && steps < 1000; dbe_Skip(1), ++steps)
                dbe_GetRecord(buffer);
        }
        if (count > 0) {
            const std::string field = dbe_FieldName(1);
            dbe_Index((path + ".ntx").c_str(), field.c_str(), 0, 0, nullptr);
            dbe_Seek("A");
            dbe_Query((field + " = " + field).c_str());
            dbe_QueryRecCount();
            dbe_GoBottom();
            dbe_Skip(-3);
            dbe_CloseIndexes();
        }
        dbe_Close();
        std::remove((path + ".ntx").c_str());
    }
    return 0;
}
