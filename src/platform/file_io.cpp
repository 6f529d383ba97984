#include "platform/file_io.h"

#include <unistd.h>

#include <fstream>
#include <iterator>
#include <system_error>

namespace torvik {

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
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

namespace {

std::filesystem::path TempPathFor(const std::filesystem::path& path) {
    std::filesystem::path temp = path;
    temp += ".tmp" + std::to_string(::getpid());
    return temp;
}

bool WriteTemp(const FileContent& file) {
    std::error_code ec;
    const std::filesystem::path folder = file.path.has_parent_path() ? file.path.parent_path() : ".";
    std::filesystem::create_directories(folder, ec);
    const std::filesystem::path temp = TempPathFor(file.path);
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(file.bytes.data(), static_cast<std::streamsize>(file.bytes.size()));
    out.flush();
    return static_cast<bool>(out);
}

std::filesystem::path BackupPathFor(const std::filesystem::path& path) {
    std::filesystem::path backup = path;
    backup += ".bak" + std::to_string(::getpid());
    return backup;
}

// Keeps the previous content of a target under a backup name until every new file is in
// place. False when the target exists but is no regular file we could replace.
bool KeepBackup(const std::filesystem::path& target, bool& hadOld) {
    std::error_code ec;
    hadOld = std::filesystem::exists(target, ec);
    if (!hadOld) return true;
    if (!std::filesystem::is_regular_file(target, ec)) return false;
    const std::filesystem::path backup = BackupPathFor(target);
    std::filesystem::remove(backup, ec);
    std::filesystem::create_hard_link(target, backup, ec);
    if (ec) std::filesystem::copy_file(target, backup, ec);
    return !ec;
}

}  // namespace

bool WriteFilesAtomically(const std::vector<FileContent>& files) {
    std::error_code ec;
    std::vector<bool> hadOld(files.size(), false);
    bool ok = true;
    for (std::size_t i = 0; ok && i < files.size(); ++i) {
        bool old = false;
        ok = KeepBackup(files[i].path, old) && WriteTemp(files[i]);
        hadOld[i] = old;
    }
    std::size_t placed = 0;
    for (; ok && placed < files.size(); ++placed) {
        std::filesystem::rename(TempPathFor(files[placed].path), files[placed].path, ec);
        if (ec) ok = false;
        if (!ok) break;
    }
    // On failure, files already replaced get their previous content back.
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::filesystem::path backup = BackupPathFor(files[i].path);
        if (!ok && i < placed) {
            if (hadOld[i]) std::filesystem::rename(backup, files[i].path, ec);
            else std::filesystem::remove(files[i].path, ec);
        }
        std::filesystem::remove(TempPathFor(files[i].path), ec);
        std::filesystem::remove(backup, ec);
    }
    return ok;
}

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    return WriteFilesAtomically({{path, std::string(bytes)}});
}

}  // namespace torvik
