#include "calling/commbook/comm_book.h"

#include <cstdint>
#include <string>
#include <utility>

#include "codeplug/record_bytes.h"

namespace torvik {

static_assert(SerializedSize<CommBookEntry> == 14);
static_assert(SerializedSize<CommBook> == 1792);

namespace {

constexpr std::size_t kKeyLength = 5;
// Blanks inside an ID sort after the digits, and the places past the end of a short ID after
// those: so "12" follows "12x" for every digit or blank x.
constexpr char kBlankKey = 'A';
constexpr char kPastEndKey = 'B';

// The sort key of an ID, its five key characters packed first-to-last into one number, so keys
// compare as the character strings would (bytes unsigned). Keys of IDs made of digits and
// blanks compare, character by character, as the hexadecimal numbers they spell.
std::uint64_t SortKey(const FixedText<5>& callId) {
    const std::string_view raw = callId.raw();
    std::uint64_t key = 0;
    bool ended = false;
    for (std::size_t i = 0; i < kKeyLength; ++i) {
        const char c = i < raw.size() ? raw[i] : '\0';
        ended = ended || c == '\0';
        const char k = ended ? kPastEndKey : c == ' ' ? kBlankKey : c;
        key = (key << 8) | static_cast<std::uint8_t>(k);
    }
    return key;
}

// Printable ASCII, the characters a radio name can show.
constexpr char kFirstPrintable = ' ';
constexpr char kLastPrintable = '~';

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The text of a fixed-width field as CutAtNul reads it, when every byte after it is padding.
template <std::size_t N>
std::optional<std::string> PaddedText(const FixedText<N>& field) {
    const std::string_view raw = field.raw();
    const std::string text = field.text();
    for (char c : raw.substr(text.size())) {
        if (c != '\0' && c != ' ') return std::nullopt;
    }
    return text;
}

}  // namespace

void ResetCommBook(CommBook& book) {
    for (std::size_t i = 0; i < book.size(); ++i) {
        book[i].number = static_cast<std::int16_t>(i);
        book[i].callId = FixedText<5>::Value("");
        book[i].name = FixedText<7>::Value("");
    }
}

void SortCommBook(CommBook& book) {
    std::array<std::pair<std::uint64_t, std::size_t>, kCommBookEntries> keys;
    bool sorted = true;
    for (std::size_t i = 0; i < book.size(); ++i) {
        keys[i] = {SortKey(book[i].callId), i};
        sorted = sorted && (i == 0 || keys[i - 1].first <= keys[i].first);
    }

    // The exchange sort the radio's book has always been sorted with: it is not stable, and
    // entries with equal keys (the empty ones above all) must land where they always have. On
    // a book already in order it swaps nothing, so that case skips it.
    if (!sorted) {
        for (std::size_t i = 0; i + 1 < keys.size(); ++i) {
            for (std::size_t j = i + 1; j < keys.size(); ++j) {
                if (keys[j].first < keys[i].first) std::swap(keys[i], keys[j]);
            }
        }
    }

    // Entries are found again by their old positions, not by their stored numbers, so a book
    // from a damaged file with repeated numbers loses no entry.
    const CommBook old = book;
    for (std::size_t i = 0; i < book.size(); ++i) {
        book[i] = old[keys[i].second];
        book[i].number = static_cast<std::int16_t>(i);
    }
}

void StoreBookCallId(CommBookEntry& entry, std::string_view text) {
    entry.callId = FixedText<5>::Value(CutAtNul(text));
}

void StoreBookName(CommBookEntry& entry, std::string_view text) {
    entry.name = FixedText<7>::Value(CutAtNul(text));
}

std::optional<char> AcceptBookCallIdChar(char c) {
    if (IsDigit(c)) return c;
    return std::nullopt;
}

std::optional<char> AcceptBookNameChar(char c) {
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
    if ((c >= 'A' && c <= 'Z') || IsDigit(c) || c == ' ') return c;
    return std::nullopt;
}

bool IsPlausibleBookEntry(const CommBookEntry& entry) {
    if (entry.number < 0 || entry.number >= kCommBookEntries) return false;
    const std::optional<std::string> callId = PaddedText(entry.callId);
    const std::optional<std::string> name = PaddedText(entry.name);
    if (!callId || !name) return false;
    for (char c : *callId) {
        if (!IsDigit(c)) return false;
    }
    for (char c : *name) {
        if (c < kFirstPrintable || c > kLastPrintable) return false;
    }
    return true;
}

}  // namespace torvik
