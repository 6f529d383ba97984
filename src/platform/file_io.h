// Whole-file reads and writes that never leave a half-written file behind.
#pragma once

#include <filesystem>
#include <functional>
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

// Called after each step of a multi-file write with the step's name ("staged", "journal",
// "placed", "synced", "done"); tests stop the process there to show that any instant is safe.
using WriteStepObserver = std::function<void(std::string_view step)>;

// Writes several files so that either all of them are replaced or none, even when the process
// dies or the power fails at any instant: every new file is complete and synced under a
// temporary name, then an intent record naming them all is synced beside the first file, then
// the renames happen, the folder is synced and the record removed. The next write or
// `RecoverInterruptedWrite` of the first file finishes a save that left its record. A rename
// that fails puts the files already replaced back. A replaced file keeps its permissions;
// through a symbolic link the file it names is replaced. Folders are not created. Another
// process's save of the same file in progress makes this one fail.
bool WriteFilesAtomically(const std::vector<FileContent>& files,
                          const WriteStepObserver& observer = {});

// Before files are read or written: finishes (or, when it had failed part-way, undoes) a save
// of them whose process died, and removes the temporary files that dead processes left beside
// them. Give all the files a save writes together, the first one first. The files of a save
// still running in another process are never touched.
void RecoverInterruptedWrite(const std::vector<std::filesystem::path>& paths);

// The whole content of a file, or nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// At most the first `maxBytes` bytes of a file (all of a shorter one), or nothing when it
// cannot be read: a file chosen by mistake may be huge.
std::optional<std::string> ReadFileHead(const std::filesystem::path& path, std::size_t maxBytes);

}  // namespace torvik
