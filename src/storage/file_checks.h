// What is wrong with a file given to be opened, in words a person can act on: it does not
// exist, it is a directory, the system refuses to read it (and why), or its size is not a
// codeplug data file's. These checks look at the file only from outside; opening still reads
// and checks the content.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace torvik {

enum class FileProblem { None, Missing, Directory, NotRegular, Unreadable, WrongSize };

struct FileCheck {
    FileProblem problem = FileProblem::None;
    std::uintmax_t size = 0;   // in bytes, for a regular file
    std::string systemReason;  // the system's words when it refused to read the file
};

// Whether the file can be read: None, Missing, Directory, NotRegular or Unreadable.
FileCheck CheckReadableFile(const std::filesystem::path& path);

// The same, and WrongSize when a readable file is not kDataFileSize bytes long.
FileCheck CheckDataFile(const std::filesystem::path& path);

// The problem in a few words (English): "the file does not exist", "the file cannot be read:
// Permission denied", "not a codeplug data file: 16384 bytes, where a data file has 8587";
// empty for None.
std::string FileProblemText(const FileCheck& check);

}  // namespace torvik
