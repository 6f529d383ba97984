#include "platform/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <iterator>
#include <system_error>

namespace torvik {
namespace {

namespace fs = std::filesystem;

constexpr int kTempNameAttempts = 100;

// The file a path stands for: through a symbolic link the file it names is replaced, not the
// link.
fs::path ResolveTarget(const fs::path& path) {
    std::error_code ec;
    if (fs::symlink_status(path, ec).type() != fs::file_type::symlink) return path;
    const fs::path target = fs::weakly_canonical(path, ec);
    return ec ? path : target;
}

// A new, empty file beside `target` that no one else uses; -1 on failure.
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

bool WriteAll(int fd, std::string_view bytes) {
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

// One file on its way: the new content complete on disk under a temporary name, with the
// permissions of the file it will replace.
struct Staged {
    fs::path target;
    fs::path temp;
    fs::path backup;  // a second name for the previous file until all are in place
    bool hadOld = false;
};

bool Stage(const FileContent& file, Staged& staged) {
    std::error_code ec;
    staged.target = ResolveTarget(file.path);
    const fs::file_status status = fs::status(staged.target, ec);
    staged.hadOld = status.type() != fs::file_type::not_found;
    // Only a regular file is replaced; a folder or device of that name is left alone.
    if (staged.hadOld && status.type() != fs::file_type::regular) return false;

    const int fd = CreateTempBeside(staged.target, staged.temp);
    if (fd < 0) return false;
    bool ok = WriteAll(fd, file.bytes) && ::fsync(fd) == 0;
    if (ok && staged.hadOld) {
        ok = ::fchmod(fd, static_cast<mode_t>(status.permissions() & fs::perms::mask)) == 0;
    }
    ok = ::close(fd) == 0 && ok;
    if (!ok || !staged.hadOld) return ok;

    staged.backup = staged.temp;
    staged.backup += ".old";
    fs::create_hard_link(staged.target, staged.backup, ec);
    if (ec) fs::copy_file(staged.target, staged.backup, ec);
    return !ec;
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
    std::error_code ec;
    // Only a regular file: a pipe or a device could block or hand over anything.
    if (!fs::is_regular_file(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    try {
        std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        if (in.bad()) return std::nullopt;
        return bytes;
    } catch (const std::ios_base::failure&) {
        return std::nullopt;
    }
}

std::optional<std::string> ReadFileHead(const std::filesystem::path& path, std::size_t maxBytes) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(maxBytes, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(maxBytes));
    if (in.bad()) return std::nullopt;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

bool WriteFilesAtomically(const std::vector<FileContent>& files) {
    std::vector<Staged> staged(files.size());
    bool ok = true;
    for (std::size_t i = 0; ok && i < files.size(); ++i) ok = Stage(files[i], staged[i]);

    std::error_code ec;
    std::size_t placed = 0;
    for (; ok && placed < staged.size(); ++placed) {
        fs::rename(staged[placed].temp, staged[placed].target, ec);
        if (ec) ok = false;
        if (!ok) break;
    }
    // On failure the files already replaced get their previous content back.
    for (std::size_t i = 0; i < staged.size(); ++i) {
        if (!ok && i < placed) {
            if (staged[i].hadOld) fs::rename(staged[i].backup, staged[i].target, ec);
            else fs::remove(staged[i].target, ec);
        }
        if (!staged[i].temp.empty()) fs::remove(staged[i].temp, ec);
        if (!staged[i].backup.empty()) fs::remove(staged[i].backup, ec);
    }
    return ok;
}

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    return WriteFilesAtomically({{path, std::string(bytes)}});
}

}  // namespace torvik
