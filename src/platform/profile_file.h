// Windows-style profile files ("[section]" lines followed by "key=value" lines), read and
// written byte-faithfully: sections and keys match without regard to ASCII case, values are
// taken without surrounding blanks and enclosing quotes, and every line we do not change is
// written back exactly as it was (8-bit text stays 8-bit; GBK files survive untouched).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_io.h"

namespace torvik {

class ProfileFile {
  public:
    // The file's contents; a missing or unreadable file gives an empty profile.
    static ProfileFile Load(const std::filesystem::path& path);
    static ProfileFile Parse(std::string_view text);

    // The value of `key` in `section`, or nothing when either is missing.
    std::optional<std::string> get(std::string_view section, std::string_view key) const;

    // Sets a value: replaces the first line of that key in the section, else appends the key to
    // the section, else appends the section to the file.
    void set(std::string_view section, std::string_view key, std::string_view value);

    std::string text() const;

    // Writes the whole file through a temporary file in the same folder, so an interrupted
    // write never leaves a half file behind. Creates the folder when missing.
    bool save(const std::filesystem::path& path) const;

  private:
    struct Located {
        std::size_t sectionEnd;              // index after the section's last line
        std::optional<std::size_t> keyLine;  // the key's line, if present
        bool sectionFound;
    };
    Located locate(std::string_view section, std::string_view key) const;

    std::vector<std::string> lines_;
    std::string eol_ = "\r\n";
};

// Case-insensitive ASCII comparison, as profile section and key names are matched.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace torvik
