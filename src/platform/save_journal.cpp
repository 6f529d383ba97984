#include "platform/save_journal.h"

#include <sstream>

namespace torvik {
namespace {

constexpr const char* kHeader = "torvik-save 1";
constexpr const char* kEnd = "end";

// Paths go on one line between blanks: '%', blank and line breaks are written as %XX.
std::string Escape(const std::string& text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '%' || c == ' ' || c == '\n' || c == '\r' || c == '\t') {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0F];
        } else {
            out += c;
        }
    }
    return out;
}

std::optional<std::string> Unescape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size()) return std::nullopt;
        int value = 0;
        for (std::size_t k = i + 1; k <= i + 2; ++k) {
            const char h = text[k];
            const int digit = h >= '0' && h <= '9'   ? h - '0'
                              : h >= 'A' && h <= 'F' ? h - 'A' + 10
                                                     : -1;
            if (digit < 0) return std::nullopt;
            value = value * 16 + digit;
        }
        out += static_cast<char>(value);
        i += 2;
    }
    return out;
}

}  // namespace

std::filesystem::path JournalPathFor(const std::filesystem::path& target) {
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    return folder / ("." + target.filename().string() + ".save");
}

std::string JournalText(const SaveJournal& journal) {
    std::ostringstream out;
    out << kHeader << '\n'
        << "pid " << journal.pid << '\n'
        << "mode " << (journal.mode == JournalMode::Forward ? "forward" : "back") << '\n';
    for (const JournalEntry& e : journal.entries) {
        out << "file " << (e.hadOld ? 1 : 0) << ' ' << Escape(e.target.string()) << ' '
            << Escape(e.temp.string()) << ' '
            << (e.backup.empty() ? std::string("-") : Escape(e.backup.string())) << '\n';
    }
    out << kEnd << '\n';
    return out.str();
}

std::optional<SaveJournal> ParseJournal(const std::string& text) {
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != kHeader) return std::nullopt;
    SaveJournal journal;
    std::string word, mode;
    if (!std::getline(in, line)) return std::nullopt;
    std::istringstream pidLine(line);
    if (!(pidLine >> word >> journal.pid) || word != "pid" || journal.pid <= 0) return std::nullopt;
    if (!std::getline(in, line)) return std::nullopt;
    std::istringstream modeLine(line);
    if (!(modeLine >> word >> mode) || word != "mode") return std::nullopt;
    if (mode == "forward")
        journal.mode = JournalMode::Forward;
    else if (mode == "back")
        journal.mode = JournalMode::Back;
    else
        return std::nullopt;

    while (std::getline(in, line)) {
        if (line == kEnd) return journal.entries.empty() ? std::nullopt : std::optional(journal);
        std::istringstream fileLine(line);
        int hadOld = -1;
        std::string target, temp, backup;
        if (!(fileLine >> word >> hadOld >> target >> temp >> backup) || word != "file" ||
            (hadOld != 0 && hadOld != 1))
            return std::nullopt;
        const auto t = Unescape(target), p = Unescape(temp), b = Unescape(backup);
        if (!t || !p || !b || t->empty() || p->empty()) return std::nullopt;
        const std::filesystem::path backupPath =
            backup == "-" ? std::filesystem::path() : std::filesystem::path(*b);
        journal.entries.push_back({*t, *p, backupPath, hadOld == 1});
    }
    return std::nullopt;  // no end line: not a whole record
}

}  // namespace torvik
