#include "calling/commbook/book_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <span>
#include <string>
#include <system_error>
#include <vector>

#include "app/message_table.h"
#include "codeplug/record_bytes.h"

namespace torvik {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kRecordBytes = SerializedSize<CommBook>;
constexpr int kTempNameAttempts = 100;

void ReportFileError(Reporter& reporter) {
    reporter.show(Severity::Error, MessageText(MessageId::FileError, reporter.language()));
}

// What a write must keep of the file it replaces.
struct ExistingFile {
    std::vector<std::uint8_t> content;  // empty when there is no file yet
    std::optional<fs::perms> perms;     // nothing when there is no file yet
};

// Nothing when the path names something that is not a readable regular file.
std::optional<ExistingFile> ReadExisting(const fs::path& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found) return ExistingFile{};
    if (ec || status.type() != fs::file_type::regular) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    ExistingFile existing;
    existing.content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    existing.perms = status.permissions() & fs::perms::mask;
    return existing;
}

// A new, empty file beside `target` that no one else uses; -1 on failure. Created with the
// usual permissions (0666 less the umask), as a plain new file would be.
int CreateTempBeside(const fs::path& target, fs::path& tempPath) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const std::string stem = "." + target.filename().string() + "." + std::to_string(::getpid());
    for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
        const fs::path candidate = folder / (stem + "." + std::to_string(attempt) + ".tmp");
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            tempPath = candidate;
            return fd;
        }
        if (errno != EEXIST) return -1;
    }
    return -1;
}

bool WriteAll(int fd, const std::vector<std::uint8_t>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Replaces `target` by a file holding `content`: written and flushed to disk under a
// temporary name, given the old file's permissions, then renamed over the old file.
bool ReplaceFile(const fs::path& target, const std::vector<std::uint8_t>& content,
                 std::optional<fs::perms> keepPerms) {
    fs::path tempPath;
    const int fd = CreateTempBeside(target, tempPath);
    if (fd < 0) return false;
    bool ok = WriteAll(fd, content) && ::fsync(fd) == 0;
    if (ok && keepPerms) ok = ::fchmod(fd, static_cast<mode_t>(*keepPerms)) == 0;
    ok = (::close(fd) == 0) && ok;
    std::error_code ec;
    if (ok) fs::rename(tempPath, target, ec);
    if (!ok || ec) {
        fs::remove(tempPath, ec);
        return false;
    }
    return true;
}

}  // namespace

bool ReadBookFile(const fs::path& path, CommBook& book, Reporter& reporter) {
    // Only a regular file: a pipe or a device could block or hand over anything.
    std::error_code ec;
    const bool regular = fs::is_regular_file(path, ec);
    std::vector<char> record(kRecordBytes);
    std::ifstream in;
    if (regular) in.open(path, std::ios::binary);
    if (!regular || !in || !in.read(record.data(), static_cast<std::streamsize>(record.size()))) {
        ReportFileError(reporter);
        return false;
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(record.data());
    book = FromBytes<CommBook>(std::span(bytes, record.size()));
    return true;
}

bool WriteBookFile(const fs::path& path, const CommBook& book, Reporter& reporter) {
    // Through a link the file it names is replaced, not the link.
    std::error_code ec;
    fs::path target = path;
    if (fs::symlink_status(path, ec).type() == fs::file_type::symlink) {
        target = fs::weakly_canonical(path, ec);
    } else {
        ec.clear();  // a path that does not exist yet is fine
    }

    std::optional<ExistingFile> existing;
    if (!ec) existing = ReadExisting(target);
    if (!existing) {
        ReportFileError(reporter);
        return false;
    }

    std::vector<std::uint8_t>& content = existing->content;
    const std::vector<std::uint8_t> record = ToBytes(book);
    if (content.size() < record.size()) content.resize(record.size());
    std::copy(record.begin(), record.end(), content.begin());

    if (!ReplaceFile(target, content, existing->perms)) {
        ReportFileError(reporter);
        return false;
    }
    return true;
}

}  // namespace torvik
