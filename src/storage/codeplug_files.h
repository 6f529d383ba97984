// The codeplug on disk: a data file ("*.dat", one 8587-byte record of every function setting)
// and its channel file (same name ending in "fre", one 108-byte record per used channel),
// plus, in factory mode, the ".ted" companion with the tuning data.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "aggregate/codeplug.h"
#include "platform/reporter.h"

namespace torvik {

inline constexpr std::size_t kDataFileSize = 8587;
inline constexpr std::size_t kChannelFileRecordSize = 108;

// The channel file of a data file: its path with the last three characters replaced by "fre".
std::filesystem::path ChannelFilePath(const std::filesystem::path& dataFile);

// A file pair as read, before it becomes the open codeplug.
struct LoadedPair {
    CodeplugRecord record;
    ChannelTable channels;
    bool channelFileIncomplete = false;
};

// Reads and checks a file pair; nothing when the data file is missing, short or inconsistent.
// The record's ChannelCount counts only the channels the channel file really held.
std::optional<LoadedPair> ReadFilePair(const std::filesystem::path& path);

// The same checks on the bytes of a data file and of its channel file (empty when missing).
std::optional<LoadedPair> ParseFilePair(std::string_view data, std::string_view channels);

// Loads a file pair and makes it the open codeplug. A data file that is missing, unreadable,
// not 8587 bytes long or inconsistent (channel count out of range, a channel number out of
// range or twice) shows "file error." with what is wrong beside it and leaves the codeplug
// exactly as it was. A channel file that is missing or short keeps the channels it holds and
// warns.
bool OpenCodeplug(const std::filesystem::path& path, Codeplug& codeplug, Reporter& reporter);

// Writes the file pair through temporary files and renames, so a failure never destroys the
// previous pair; only when everything was written is the snapshot taken. Failures show
// "file error." and leave the codeplug modified.
bool SaveCodeplug(const std::filesystem::path& path, Codeplug& codeplug, Reporter& reporter);

}  // namespace torvik
