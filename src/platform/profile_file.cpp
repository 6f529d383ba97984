#include "platform/profile_file.h"

#include <system_error>

namespace torvik {
namespace {

std::string_view Trim(std::string_view s) {
    const std::size_t first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// The section name of a "[name]" line, or nothing.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[') return std::nullopt;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

struct KeyValue {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyValue> SplitKeyValue(std::string_view line) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return KeyValue{Trim(line.substr(0, eq)), line.substr(eq + 1)};
}

std::string Unquote(std::string_view value) {
    value = Trim(value);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

}  // namespace

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

ProfileFile ProfileFile::Load(const std::filesystem::path& path) {
    return Parse(ReadWholeFile(path).value_or(std::string()));
}

ProfileFile ProfileFile::Parse(std::string_view text) {
    ProfileFile file;
    if (!text.empty() && text.find("\r\n") == std::string_view::npos &&
        text.find('\n') != std::string_view::npos) {
        file.eol_ = "\n";
    }
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        file.lines_.emplace_back(line);
        start = end + 1;
    }
    return file;
}

ProfileFile::Located ProfileFile::locate(std::string_view section, std::string_view key) const {
    Located found{lines_.size(), std::nullopt, false};
    bool inSection = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (const auto name = SectionName(lines_[i])) {
            if (inSection) return found;
            inSection = EqualsIgnoringCase(*name, section);
            if (inSection) {
                found.sectionFound = true;
                found.sectionEnd = i + 1;
            }
            continue;
        }
        if (!inSection) continue;
        if (!Trim(lines_[i]).empty()) found.sectionEnd = i + 1;
        const auto kv = SplitKeyValue(lines_[i]);
        if (kv && !found.keyLine && EqualsIgnoringCase(kv->key, key)) found.keyLine = i;
    }
    return found;
}

std::optional<std::string> ProfileFile::get(std::string_view section, std::string_view key) const {
    const Located found = locate(section, key);
    if (!found.keyLine) return std::nullopt;
    return Unquote(SplitKeyValue(lines_[*found.keyLine])->value);
}

void ProfileFile::set(std::string_view section, std::string_view key, std::string_view value) {
    const Located found = locate(section, key);
    if (found.keyLine) {
        const std::string_view old = lines_[*found.keyLine];
        lines_[*found.keyLine] =
            std::string(old.substr(0, old.find('='))) + "=" + std::string(value);
        return;
    }
    std::string line = std::string(key) + "=" + std::string(value);
    if (found.sectionFound) {
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(found.sectionEnd), line);
        return;
    }
    if (!lines_.empty() && !Trim(lines_.back()).empty()) lines_.emplace_back();
    lines_.push_back("[" + std::string(section) + "]");
    lines_.push_back(line);
}

std::string ProfileFile::text() const {
    std::string out;
    for (const std::string& line : lines_) {
        out += line;
        out += eol_;
    }
    return out;
}

bool ProfileFile::save(const std::filesystem::path& path) const {
    // Settings files live in folders of our own, made on first use.
    std::error_code ec;
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ec);
    return WriteFileAtomically(path, text());
}

}  // namespace torvik
