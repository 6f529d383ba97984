// Runs one fuzz target once over each stored input: `fuzz_replay TARGET PATH...`, where a
// PATH is an input file or a folder of them. The coverage build runs it over a target's
// corpus and kept findings to measure which lines of its parser they reach; any build can
// use it to run a single input outside libFuzzer.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include "fuzz_targets.h"

namespace {

namespace fs = std::filesystem;
using torvik::fuzz::FuzzTarget;
using torvik::fuzz::kFuzzTargets;

const FuzzTarget* FindTarget(std::string_view name) {
    for (const FuzzTarget& target : kFuzzTargets) {
        if (target.name == name) return &target;
    }
    return nullptr;
}

// The files a PATH names, folders in name order; empty with a message when it names none.
std::vector<fs::path> InputsAt(const fs::path& path, bool& ok) {
    std::vector<fs::path> files;
    std::error_code error;
    if (fs::is_directory(path, error)) {
        for (const fs::directory_entry& entry : fs::directory_iterator(path, error)) {
            if (entry.is_regular_file(error)) files.push_back(entry.path());
        }
        std::sort(files.begin(), files.end());
    } else if (fs::is_regular_file(path, error)) {
        files.push_back(path);
    }
    ok = !error && (fs::is_directory(path, error) || !files.empty());
    return files;
}

bool ReadInput(const fs::path& path, std::vector<std::uint8_t>& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

}  // namespace

int main(int argc, char** argv) {
    const FuzzTarget* target = argc >= 2 ? FindTarget(argv[1]) : nullptr;
    if (!target) {
        std::fprintf(stderr, "usage: fuzz_replay TARGET PATH...\ntargets:");
        for (const FuzzTarget& t : kFuzzTargets) {
            std::fprintf(stderr, " %.*s", static_cast<int>(t.name.size()), t.name.data());
        }
        std::fprintf(stderr, "\n");
        return 2;
    }
    std::size_t runs = 0;
    std::vector<std::uint8_t> bytes;
    for (int i = 2; i < argc; ++i) {
        bool ok = false;
        for (const fs::path& file : InputsAt(argv[i], ok)) {
            if (!ReadInput(file, bytes)) {
                std::fprintf(stderr, "fuzz_replay: cannot read %s\n", file.c_str());
                return 2;
            }
            (void)target->run(bytes.data(), bytes.size());
            ++runs;
        }
        if (!ok) {
            std::fprintf(stderr, "fuzz_replay: no input file or folder %s\n", argv[i]);
            return 2;
        }
    }
    std::fprintf(stderr, "fuzz_replay: %zu inputs through %s\n", runs, argv[1]);
    return 0;
}
