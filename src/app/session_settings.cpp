#include "app/session_settings.h"

#include <charconv>
#include <string>

#include "storage/backups.h"

namespace torvik {
namespace {

constexpr int kMostBackupsKept = 100000;

void ReadFlag(const ProfileFile& profile, std::string_view key, bool& target) {
    const std::optional<std::string> text = profile.get(kSessionSection, key);
    if (text == "1") target = true;
    if (text == "0") target = false;
}

void WriteFlag(ProfileFile& profile, std::string_view key, bool value) {
    profile.set(kSessionSection, key, value ? "1" : "0");
}

}  // namespace

std::filesystem::path SessionSettings::backups() const {
    return backupFolder.empty() ? DefaultBackupFolder() : backupFolder;
}

SessionSettings ReadSessionSettings(const ProfileFile& profile) {
    SessionSettings settings;
    ReadFlag(profile, "BackupAfterRead", settings.backupAfterRead);
    ReadFlag(profile, "VerifyAfterWrite", settings.verifyAfterWrite);
    ReadFlag(profile, "BackupBeforeWrite", settings.backupBeforeWrite);
    ReadFlag(profile, "CompareBeforeWrite", settings.compareBeforeWrite);
    ReadFlag(profile, "TraceSessions", settings.traceSessions);
    if (const auto kept = profile.get(kSessionSection, "BackupsKept")) {
        int value = 0;
        const auto [end, ec] = std::from_chars(kept->data(), kept->data() + kept->size(), value);
        if (ec == std::errc{} && end == kept->data() + kept->size() && value >= 0 &&
            value <= kMostBackupsKept) {
            settings.backupsKept = value;
        }
    }
    if (const auto folder = profile.get(kSessionSection, "BackupFolder");
        folder && !folder->empty()) {
        settings.backupFolder = *folder;
    }
    return settings;
}

void WriteSessionSettings(ProfileFile& profile, const SessionSettings& settings) {
    WriteFlag(profile, "BackupAfterRead", settings.backupAfterRead);
    WriteFlag(profile, "VerifyAfterWrite", settings.verifyAfterWrite);
    WriteFlag(profile, "BackupBeforeWrite", settings.backupBeforeWrite);
    WriteFlag(profile, "CompareBeforeWrite", settings.compareBeforeWrite);
    WriteFlag(profile, "TraceSessions", settings.traceSessions);
    profile.set(kSessionSection, "BackupsKept", std::to_string(settings.backupsKept));
    profile.set(kSessionSection, "BackupFolder", settings.backupFolder.string());
}

std::filesystem::path DefaultTraceFolder() {
    return DefaultBackupFolder().parent_path() / "traces";
}

}  // namespace torvik
