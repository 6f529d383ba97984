#include "storage/file_checks.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "storage/codeplug_files.h"

namespace torvik {
namespace fs = std::filesystem;

FileCheck CheckReadableFile(const fs::path& path) {
    FileCheck check;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found) {
        check.problem = FileProblem::Missing;
        return check;
    }
    if (error) {
        // A folder on the way that may not be searched, and the like.
        check.problem = FileProblem::Unreadable;
        check.systemReason = error.message();
        return check;
    }
    if (fs::is_directory(status)) {
        check.problem = FileProblem::Directory;
        return check;
    }
    if (!fs::is_regular_file(status)) {
        check.problem = FileProblem::NotRegular;
        return check;
    }
    // Opening is the only sure test: permissions, access lists and mount options all count.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        check.problem = FileProblem::Unreadable;
        check.systemReason = std::strerror(errno);
        return check;
    }
    ::close(descriptor);
    check.size = fs::file_size(path, error);
    return check;
}

FileCheck CheckDataFile(const fs::path& path) {
    FileCheck check = CheckReadableFile(path);
    if (check.problem == FileProblem::None && check.size != kDataFileSize)
        check.problem = FileProblem::WrongSize;
    return check;
}

std::string FileProblemText(const FileCheck& check) {
    switch (check.problem) {
        case FileProblem::None:
            return {};
        case FileProblem::Missing:
            return "the file does not exist";
        case FileProblem::Directory:
            return "it is a directory, not a file";
        case FileProblem::NotRegular:
            return "it is not a regular file";
        case FileProblem::Unreadable:
            return "the file cannot be read: " + check.systemReason;
        case FileProblem::WrongSize:
            return "not a codeplug data file: " + std::to_string(check.size) +
                   " bytes, where a data file has " + std::to_string(kDataFileSize);
    }
    return {};
}

}  // namespace torvik
