// Runs a fuzz target without libFuzzer: every file of the corpus directories given, then
// deterministic mutations of each (bit flips, cut ends, overwritten bytes), for a bounded time.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {
std::vector<std::string> read(const std::string& directory) {
    std::vector<std::string> inputs;
    DIR* d = opendir(directory.c_str());
    if (!d)
        return inputs;
    while (dirent* e = readdir(d)) {
        if (e->d_name[0] == '.')
            continue;
        FILE* f = std::fopen((directory + "/" + e->d_name).c_str(), "rb");
        if (!f)
            continue;
        std::string content;
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
            content.append(buffer, n);
        std::fclose(f);
        inputs.push_back(content);
    }
    closedir(d);
    return inputs;
}

void run(const std::string& input) {
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.data()), input.size());
}
} // namespace

int main(int argc, char** argv) {
    // Arguments: seconds, then corpus directories.
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s seconds corpus-directory...\n", argv[0]);
        return 2;
    }
    const double seconds = std::atof(argv[1]);
    std::vector<std::string> inputs;
    for (int i = 2; i < argc; ++i)
        for (auto& s : read(argv[i]))
            inputs.push_back(std::move(s));
    if (inputs.empty()) {
        std::fprintf(stderr, "empty corpus\n");
        return 2;
    }
    for (const auto& input : inputs)
        run(input);
    std::mt19937 random(20261209);
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    long runs = 0;
    while (std::chrono::steady_clock::now() < end) {
        std::string m = inputs[random() % inputs.size()];
        const int edits = 1 + int(random() % 4);
        for (int i = 0; i < edits && !m.empty(); ++i) {
            const size_t at = random() % m.size();
            switch (random() % 4) {
            case 0:
                m[at] = char(m[at] ^ (1 << (random() % 8)));
                break;
            case 1:
                m.resize(at);
                break;
            case 2:
                m[at] = char(random() % 256);
                break;
            default:
                m.insert(at, 1, char(random() % 256));
                break;
            }
        }
        run(m);
        ++runs;
    }
    std::printf("%zu seeds, %ld mutations, no failure\n", inputs.size(), runs);
    return 0;
}
