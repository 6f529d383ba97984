#include "storage/backups.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <ctime>
#include <system_error>

#include "functions/radioinfo/radio_info_text.h"
#include "platform/silent_reporter.h"
#include "storage/codeplug_files.h"

namespace torvik {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kDataSuffix = ".dat";
// "YYYYMMDD-HHMMSS": the part of a name that says the file is a backup and orders it.
constexpr std::size_t kStampLength = 15;

bool IsStamp(std::string_view name) {
    if (name.size() < kStampLength) return false;
    for (std::size_t i = 0; i < kStampLength; ++i) {
        const bool digit = std::isdigit(static_cast<unsigned char>(name[i])) != 0;
        if (i == 8 ? name[i] != '-' : !digit) return false;
    }
    return true;
}

// Letters, digits, '-' and '_' stay; anything else becomes '_'; the text ends at a NUL.
std::string FileNamePart(std::string_view text) {
    std::string part;
    for (const char c : text) {
        if (c == '\0') break;
        const bool plain = std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_';
        part += plain ? c : '_';
    }
    while (!part.empty() && part.back() == '_') part.pop_back();
    return part;
}

void RemoveOldest(const fs::path& folder, int keep) {
    if (keep < 1) return;
    const std::vector<fs::path> backups = ListBackups(folder);
    for (std::size_t i = static_cast<std::size_t>(keep); i < backups.size(); ++i) {
        std::error_code ignored;
        fs::remove(backups[i], ignored);
        fs::remove(ChannelFilePath(backups[i]), ignored);
    }
}

}  // namespace

fs::path DefaultBackupFolder() {
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data == '/') {
        return fs::path(data) / "torvik" / "backups";
    }
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : ".") / ".local" / "share" / "torvik" / "backups";
}

std::string FileTimeStamp(std::chrono::system_clock::time_point when) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
    localtime_r(&seconds, &local);
    char stamp[kStampLength + 1];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    return stamp;
}

std::string BackupBaseName(std::chrono::system_clock::time_point when, const Codeplug& codeplug) {
    std::string name = FileTimeStamp(when);
    for (const std::string& part :
         {FileNamePart(codeplug.identity.RadioModel),
          FileNamePart(DisplayRadioInfo(codeplug.radioInfo).serialNumber)}) {
        if (!part.empty()) name += "-" + part;
    }
    return name;
}

BackupResult SaveBackup(const Codeplug& codeplug, const fs::path& folder, int keep,
                        std::chrono::system_clock::time_point when) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error || !fs::is_directory(folder)) {
        return {std::nullopt, "cannot make the backup folder " + folder.string()};
    }
    // Two reads within one second get names of their own.
    const std::string base = BackupBaseName(when, codeplug);
    fs::path file = folder / (base + std::string(kDataSuffix));
    for (int n = 2; fs::exists(file) || fs::exists(ChannelFilePath(file)); ++n) {
        file = folder / (base + "-" + std::to_string(n) + std::string(kDataSuffix));
    }
    Codeplug copy = codeplug;
    copy.factoryMode = false;  // a backup is the pair a read gives, never factory test data
    // The reason is said below in words of this function.
    SilentReporter quiet;
    if (!SaveCodeplug(file, copy, quiet)) {
        return {std::nullopt, "cannot write the backup " + file.string()};
    }
    RemoveOldest(folder, keep);
    return {file, {}};
}

std::vector<fs::path> ListBackups(const fs::path& folder) {
    std::vector<fs::path> backups;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (it->path().extension() == kDataSuffix && IsStamp(name)) backups.push_back(it->path());
    }
    // Newest first by the stamp; two of the same second by the time they were written.
    auto stamp = [](const fs::path& p) { return p.filename().string().substr(0, kStampLength); };
    auto written = [](const fs::path& p) {
        std::error_code ignored;
        return fs::last_write_time(p, ignored);
    };
    std::sort(backups.begin(), backups.end(), [&](const fs::path& a, const fs::path& b) {
        const std::string left = stamp(a);
        const std::string right = stamp(b);
        return left != right ? left > right : written(a) > written(b);
    });
    return backups;
}

}  // namespace torvik
