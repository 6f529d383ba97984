// Factory mode and the radio's 16 bytes of tuning values (radio addresses 0..15), with the
// ".ted" files that keep them beside a data file on a factory workstation.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "codeplug/test_data_bytes.h"

namespace torvik {

// The marker file's first 128 bytes must hold exactly this (trailing blanks and NULs allowed).
inline constexpr std::string_view kFactoryAccessText = "KV-207_4816_Service_ToolUnlocked";
inline constexpr std::size_t kFactoryMarkerBytes = 128;

// True when the marker file exists and holds the access text; any error gives false.
bool DetermineFactoryMode(const std::filesystem::path& markerFile);

// The companion ".ted" of a data file: the path without its last 4 characters plus ".ted"
// (radio.dat gives radio.ted); paths of 3 characters or fewer have none.
std::optional<std::filesystem::path> CompanionTestDataPath(const std::filesystem::path& dataFile);

enum class TestDataLoad { Loaded, Missing, Unreadable };

// Reads the first 16 bytes of the file into `data`; anything but Loaded leaves `data` as it was.
TestDataLoad LoadTestDataFile(const std::filesystem::path& path, TestData& data);

// The same for the bytes of a ".ted" file: false, with `data` as it was, when they are too few.
bool ParseTestDataBytes(std::string_view bytes, TestData& data);

// The new content of a ".ted" file: `data` over the first 16 bytes of what the file holds now.
std::string TestDataFileBytes(const std::filesystem::path& path, const TestData& data);

// Writes `data` as the first 16 bytes of the file; a longer existing file keeps its further
// bytes. The previous file stays whole when the write fails. Returns false on failure so the
// caller can report it.
bool SaveTestDataFile(const std::filesystem::path& path, const TestData& data);

}  // namespace torvik
