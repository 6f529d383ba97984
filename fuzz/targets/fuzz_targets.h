// The fuzz targets: one function per parser that takes outside bytes, each taking any input
// without crashing, hanging or leaking. libFuzzer drives them in the clang fuzz build; the
// ordinary test run replays the seed corpus and every kept finding through them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "aggregate/codeplug.h"

namespace torvik::fuzz {

using FuzzFunction = int (*)(const std::uint8_t* data, std::size_t size);

int FuzzFilePair(const std::uint8_t* data, std::size_t size);
int FuzzImage(const std::uint8_t* data, std::size_t size);
int FuzzTestData(const std::uint8_t* data, std::size_t size);
int FuzzBook(const std::uint8_t* data, std::size_t size);
int FuzzProfile(const std::uint8_t* data, std::size_t size);
int FuzzLanguage(const std::uint8_t* data, std::size_t size);
int FuzzLink(const std::uint8_t* data, std::size_t size);
int FuzzChannelCsv(const std::uint8_t* data, std::size_t size);
int FuzzCodeplugJson(const std::uint8_t* data, std::size_t size);

struct FuzzTarget {
    std::string_view name;  // the folder of its corpus and findings, and fuzz_<name>
    FuzzFunction run;
};

// Every target; bench/fuzz.sh and the replay test use the same names.
inline constexpr FuzzTarget kFuzzTargets[] = {
    {"file_pair", FuzzFilePair},
    {"image", FuzzImage},
    {"test_data", FuzzTestData},
    {"book", FuzzBook},
    {"profile", FuzzProfile},
    {"language", FuzzLanguage},
    {"link", FuzzLink},
    {"channel_csv", FuzzChannelCsv},
    {"codeplug_json", FuzzCodeplugJson},
};

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// A codeplug in the state of a newly made one, for the input about to run. It is one object
// for every input, set back by copying a blank one: building a codeplug (the image, two
// tables of 203 channel records) on every input costs more than parsing most inputs.
Codeplug& BlankCodeplug();

}  // namespace torvik::fuzz
