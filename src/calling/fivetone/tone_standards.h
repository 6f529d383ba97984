// The 5-Tone tone standards the radio knows, in the order of its standard byte: each
// standard's name, the frequency text of every symbol and its default tone length. The
// frequencies are only shown; the radio is told the standard's position.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace torvik {

inline constexpr int kToneStandardCount = 14;
inline constexpr int kToneSymbolCount = 16;  // "0".."9", "A".."F"

struct ToneStandard {
    std::string_view name;
    // Frequency in Hz of symbols 0..F, as the standard's table writes it ("652.0",
    // "825/885"); empty where the standard has no tone for the symbol.
    std::array<std::string_view, kToneSymbolCount> frequencies;
    int defaultLengthMs;
};

extern const std::array<ToneStandard, kToneStandardCount> ToneStandardTable;

// The position of a standard name in the table, if it is one.
std::optional<int> ToneStandardIndex(std::string_view name);

}  // namespace torvik
