#include "platform/file_io.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace torvik {

namespace fs = std::filesystem;

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

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    return WriteFilesAtomically({{path, std::string(bytes)}});
}

}  // namespace torvik
