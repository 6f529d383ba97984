// The backup folder: every codeplug read from a radio is kept there as a file pair named by
// when it was read and which radio it came from, so a radio's earlier codeplug can always be
// written back. Only the newest are kept.
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "aggregate/codeplug.h"

namespace torvik {

inline constexpr int kDefaultBackupsKept = 100;

// $XDG_DATA_HOME/torvik/backups, else ~/.local/share/torvik/backups.
std::filesystem::path DefaultBackupFolder();

// "20261210-221305": the local date and time, as backup and trace names begin.
std::string FileTimeStamp(std::chrono::system_clock::time_point when);

// "20261210-221305-MERLAN-A1234567": the local date and time, then the radio's model and its
// serial number when it has one, reduced to characters every file system takes.
std::string BackupBaseName(std::chrono::system_clock::time_point when, const Codeplug& codeplug);

struct BackupResult {
    std::optional<std::filesystem::path> file;  // the data file written
    std::string error;                          // why not, when nothing was written
};

// Saves the codeplug (as read) into `folder`, making the folder when it is missing, then
// removes the oldest backups beyond `keep` (every one is kept when `keep` is below 1). The
// codeplug itself is not changed.
BackupResult SaveBackup(const Codeplug& codeplug, const std::filesystem::path& folder, int keep,
                        std::chrono::system_clock::time_point when);

// The backups in `folder`, newest first (their names start with the date and time).
std::vector<std::filesystem::path> ListBackups(const std::filesystem::path& folder);

}  // namespace torvik
