// Whole files as bytes, read and written plainly, for tests that check or plant file content.
#pragma once

#include <QByteArray>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace torvik::test {

inline QByteArray ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return QByteArray::fromStdString(std::string(std::istreambuf_iterator<char>(in), {}));
}

inline void WriteFileBytes(const std::filesystem::path& path, const QByteArray& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.constData(), bytes.size());
}

}  // namespace torvik::test
