// Whole-file reads and writes that never leave a half-written file behind.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvik {

// Writes `bytes` to `path` through a temporary file in the same folder and a rename, so the
// previous file stays whole until the new one is complete. Returns false on any failure.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

struct FileContent {
    std::filesystem::path path;
    std::string bytes;
};

// Writes several files so that either all of them are replaced or none: every temporary file
// is complete on disk before the first rename, and a rename that fails puts the files already
// replaced back. A replaced file keeps its permissions; through a symbolic link the file it
// names is replaced. Folders are not created.
bool WriteFilesAtomically(const std::vector<FileContent>& files);

// The whole content of a file, or nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// At most the first `maxBytes` bytes of a file (all of a shorter one), or nothing when it
// cannot be read: a file chosen by mistake may be huge.
std::optional<std::string> ReadFileHead(const std::filesystem::path& path, std::size_t maxBytes);

}  // namespace torvik
