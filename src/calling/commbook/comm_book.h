// The communication book: 128 call IDs with names, kept sorted by call ID; its defaults, its
// sort and the edits the book editor makes to a working copy.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <tuple>

#include "codeplug/fixed_text.h"
#include "codeplug/record_fields.h"

namespace torvik {

inline constexpr int kCommBookEntries = 128;

struct CommBookEntry {
    std::int16_t number = 0;  // the entry's position 0..127, rewritten by every sort
    FixedText<5> callId;      // decimal digits
    FixedText<7> name;        // upper-case letters, digits and blanks

    bool operator==(const CommBookEntry&) const = default;
};

inline constexpr std::tuple kCommBookEntryFields{Field("number", &CommBookEntry::number),
                                                 Field("callId", &CommBookEntry::callId),
                                                 Field("name", &CommBookEntry::name)};

constexpr const auto& FieldsOf(const CommBookEntry*) {
    return kCommBookEntryFields;
}

using CommBook = std::array<CommBookEntry, kCommBookEntries>;

// Every entry empty and numbered by its position.
void ResetCommBook(CommBook& book);

// Orders the entries by call ID, character by character, where a shorter ID comes after every
// longer one it begins ("123" before "12", "12" before "13") and entries without an ID come
// last; then numbers them by their new positions. Entries with equal IDs are ordered as the
// radio's own sort orders them, so a book sorts the same here as it always has.
void SortCommBook(CommBook& book);

// Stores the text of an edited call-ID or name cell: right-trimmed and cut at its first NUL,
// then held as a fixed-width value (an empty text as a single NUL).
void StoreBookCallId(CommBookEntry& entry, std::string_view text);
void StoreBookName(CommBookEntry& entry, std::string_view text);

// A character typed into a call-ID cell (digits only) or a name cell (upper-case letters,
// digits and the blank; a lower-case letter becomes upper case): what the cell takes, or
// nothing when it refuses the character.
std::optional<char> AcceptBookCallIdChar(char c);
std::optional<char> AcceptBookNameChar(char c);

// Whether an entry read from a book file is one this program could have written: a number
// 0..127, a call ID of digits and a name of printable ASCII, each followed by nothing but
// NULs and blanks. A file of anything else is not a book.
bool IsPlausibleBookEntry(const CommBookEntry& entry);

}  // namespace torvik
