// How radio sessions are made safe, as the user set it: backups of every read, the checks
// around a write, a trace of each session. Kept in the setup profile, section "session".
#pragma once

#include <filesystem>

#include "platform/profile_file.h"

namespace torvik {

inline constexpr std::string_view kSessionSection = "session";

struct SessionSettings {
    bool backupAfterRead = true;
    int backupsKept = 100;
    std::filesystem::path backupFolder;  // empty: DefaultBackupFolder()
    bool verifyAfterWrite = false;
    bool backupBeforeWrite = false;
    bool compareBeforeWrite = false;
    bool traceSessions = false;

    // The folder backups go to: the one chosen, else the default.
    std::filesystem::path backups() const;
};

// Missing keys and values that are not "0"/"1" or a count keep the defaults above.
SessionSettings ReadSessionSettings(const ProfileFile& profile);
void WriteSessionSettings(ProfileFile& profile, const SessionSettings& settings);

// Where the window writes the trace of each session: "traces" beside the default backup
// folder.
std::filesystem::path DefaultTraceFolder();

}  // namespace torvik
