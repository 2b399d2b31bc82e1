// Engine figures on a large table: build, index, query, walk, seek, copy. Prints times and peak memory.
#include "dbfeng/dbfeng.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {
using Clock = std::chrono::steady_clock;

double since(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::string pad(const std::string& s, size_t width, bool right = false) {
    std::string t = s.substr(0, width);
    const std::string fill(width - t.size(), ' ');
    return right ? fill + t : t + fill;
}

std::string image(int i) {
    char code[13];
    std::snprintf(code, sizeof code, "%012X", (i * 2654435761u) & 0xFFFFFFFFu);
    return " " + pad(std::to_string(i % 1000), 10, true) + pad(std::to_string(i), 5, true) + pad(code, 12) +
           (i % 3 == 0 ? "M" : "S") + (i % 2 ? "T" : "F") + pad("memo " + std::to_string(i % 777), 25);
}
} // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    char dirTemplate[] = "/tmp/bench_dbfeng.XXXXXX";
    const std::string dir = mkdtemp(dirTemplate);
    const std::string table = dir + "/big.dbf";
    std::printf("records: %d, directory: %s\n", count, dir.c_str());
    dbe_SetExact(1);

    auto t = Clock::now();
    dbe_CreateNew(table.c_str(), "BIG", 1, 6);
    dbe_CreateField("RECID", "N", 10, 0);
    dbe_CreateField("KEYID", "N", 5, 0);
    dbe_CreateField("KEYCODE", "C", 12, 0);
    dbe_CreateField("KEYTYPE", "C", 1, 0);
    dbe_CreateField("KEYSTATUS", "L", 1, 0);
    dbe_CreateField("KEYMEMO", "C", 25, 0);
    dbe_CreateExec();
    dbe_Close();
    const int wa = dbe_Use(table.c_str(), "BIG", 0, 3);
    if (wa <= 0) {
        std::printf("open failed: %s\n", dbe_ErrorText());
        return 1;
    }
    dbe_SysProp(DBE_PROP_DURABLE_WRITES, "0");
    for (int i = 1; i <= count; ++i) {
        dbe_AppendBlank();
        dbe_PutRecord(image(i).c_str());
    }
    dbe_Commit();
    std::printf("append %d records (synced once at the end): %.0f ms\n", count, since(t));

    dbe_SysProp(DBE_PROP_DURABLE_WRITES, "1");
    t = Clock::now();
    const int durable = 200;
    for (int i = 1; i <= durable; ++i) {
        dbe_Go(i);
        dbe_PutRecord(image(i).c_str());
    }
    std::printf("durable record writes: %.2f ms each (%d)\n", since(t) / durable, durable);

    const char* keys[] = {"RECID", "KEYCODE", "KEYSTATUS", "UPPER(KEYMEMO)"};
    t = Clock::now();
    for (int i = 0; i < 4; ++i) {
        const std::string file = dir + "/idx" + std::to_string(i) + ".ntx";
        if (dbe_Index(file.c_str(), keys[i], 0, i % 2 ? -1 : 0, nullptr) <= 0)
            std::printf("index %s failed: %s\n", keys[i], dbe_ErrorText());
    }
    std::printf("build 4 indexes: %.0f ms\n", since(t));

    dbe_SetOrder(2);
    t = Clock::now();
    dbe_Query("KeyType ='M' .and. KEYSTATUS");
    const int matching = dbe_QueryRecCount();
    std::printf("query (%d match): %.1f ms\n", matching, since(t));

    t = Clock::now();
    int walked = 0;
    char buffer[128];
    for (dbe_GoTop(); !dbe_Eof(); dbe_Skip(1)) {
        dbe_GetRecord(buffer);
        ++walked;
    }
    std::printf("walk the query in KEYCODE order (%d records): %.1f ms\n", walked, since(t));

    dbe_Query("");
    dbe_SysProp(DBE_PROP_SEEK_WHOLE_KEY_SET, "1");
    t = Clock::now();
    int found = 0;
    const int seeks = 20000;
    for (int i = 1; i <= seeks; ++i) {
        char code[13];
        std::snprintf(code, sizeof code, "%012X", ((i * 5) * 2654435761u) & 0xFFFFFFFFu);
        found += dbe_Seek(code);
    }
    std::printf("%d seeks (%d found): %.1f ms\n", seeks, found, since(t));

    t = Clock::now();
    dbe_Go(count / 2);
    dbe_PutRecord(image(7).c_str());
    std::printf("one durable write with 4 indexes kept up to date: %.2f ms\n", since(t));

    t = Clock::now();
    const std::string copy = dir + "/copy.dbf";
    dbe_CopyFile(copy.c_str());
    std::printf("copy file: %.0f ms\n", since(t));

    dbe_Close();
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory: %ld MB\n", usage.ru_maxrss / 1024);
    for (const char* name : {"big.dbf", "copy.dbf", "idx0.ntx", "idx1.ntx", "idx2.ntx", "idx3.ntx"})
        unlink((dir + "/" + name).c_str());
    rmdir(dir.c_str());
    return 0;
}
