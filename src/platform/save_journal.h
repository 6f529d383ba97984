// The intent record of a save that replaces several files: written and synced beside the first
// file before any of them is replaced, removed once all are in place. A save killed in between
// leaves it behind, and the next save or open of that file finishes the save from it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace torvik {

struct JournalEntry {
    std::filesystem::path target;
    std::filesystem::path temp;    // the complete new content, synced before the record
    std::filesystem::path backup;  // a second name of the previous file; empty when none
    bool hadOld = false;
};

enum class JournalMode {
    Forward,  // every new file is complete: put them all in place
    Back,     // the save failed part-way: put every previous file back
};

struct SaveJournal {
    long pid = 0;  // the process that saves
    JournalMode mode = JournalMode::Forward;
    std::vector<JournalEntry> entries;
};

// The record's file for a save whose first file is `target`: a hidden name beside it.
std::filesystem::path JournalPathFor(const std::filesystem::path& target);

std::string JournalText(const SaveJournal& journal);

// Nothing when the text is not a complete record (a record is only ever put in place whole, so
// this means a damaged file, which is then ignored).
std::optional<SaveJournal> ParseJournal(const std::string& text);

}  // namespace torvik
