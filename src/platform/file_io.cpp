#include "platform/file_io.h"

#include <unistd.h>

#include <fstream>
#include <iterator>
#include <system_error>

namespace torvik {

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return std::nullopt;
    return bytes;
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

}  // namespace

bool WriteFilesAtomically(const std::vector<FileContent>& files) {
    std::error_code ec;
    bool ok = true;
    for (const FileContent& file : files) ok = ok && WriteTemp(file);
    for (const FileContent& file : files) {
        if (ok) std::filesystem::rename(TempPathFor(file.path), file.path, ec);
        if (!ok || ec) {
            ok = false;
            std::filesystem::remove(TempPathFor(file.path), ec);
        }
    }
    return ok;
}

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    return WriteFilesAtomically({{path, std::string(bytes)}});
}

}  // namespace torvik
