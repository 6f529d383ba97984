#include "factory/test_data.h"

#include <algorithm>
#include <string>
#include <system_error>

#include "codeplug/fixed_text.h"
#include "platform/file_io.h"

namespace torvik {

bool DetermineFactoryMode(const std::filesystem::path& markerFile) {
    const std::optional<std::string> bytes = ReadWholeFile(markerFile);
    if (!bytes) return false;
    return CutAtNul(std::string_view(*bytes).substr(0, kFactoryMarkerBytes)) == kFactoryAccessText;
}

std::optional<std::filesystem::path> CompanionTestDataPath(const std::filesystem::path& dataFile) {
    const std::string text = dataFile.string();
    if (text.size() <= 3) return std::nullopt;
    return std::filesystem::path(text.substr(0, text.size() >= 4 ? text.size() - 4 : 0) + ".ted");
}

TestDataLoad LoadTestDataFile(const std::filesystem::path& path, TestData& data) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return TestDataLoad::Missing;
    const std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes || !ParseTestDataBytes(*bytes, data)) return TestDataLoad::Unreadable;
    return TestDataLoad::Loaded;
}

bool ParseTestDataBytes(std::string_view bytes, TestData& data) {
    if (bytes.size() < data.size()) return false;
    std::copy_n(bytes.begin(), data.size(), data.begin());
    return true;
}

std::string TestDataFileBytes(const std::filesystem::path& path, const TestData& data) {
    std::string bytes = ReadWholeFile(path).value_or(std::string());
    if (bytes.size() < data.size()) bytes.resize(data.size());
    std::copy(data.begin(), data.end(), bytes.begin());
    return bytes;
}

bool SaveTestDataFile(const std::filesystem::path& path, const TestData& data) {
    return WriteFileAtomically(path, TestDataFileBytes(path, data));
}

}  // namespace torvik
