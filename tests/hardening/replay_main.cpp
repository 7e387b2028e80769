// Runs a fuzz target once over every file of the given corpus folders, so the
// host build checks each kept input (seeds and former findings) under its own
// sanitizers, without clang or libFuzzer.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "tests/hardening/fuzz_check.h"

int main(int argc, char** argv)
{
    int inputs = 0;
    for (int a = 1; a < argc; ++a) {
        std::error_code error;
        std::filesystem::directory_iterator folder(argv[a], error);
        if (error) {
            std::fprintf(stderr, "no corpus folder %s\n", argv[a]);
            return 1;
        }
        for (const auto& entry : folder) {
            if (!entry.is_regular_file())
                continue;
            std::ifstream file(entry.path(), std::ios::binary);
            std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
            ++inputs;
        }
    }
    std::printf("%d inputs\n", inputs);
    // A corpus that is empty or missing checks nothing: that is a failure.
    return inputs > 0 ? 0 : 1;
}
