#include "codeplug/band.h"

#include <array>
#include <charconv>
#include <stdexcept>

namespace torvik {
namespace {

struct BandRow {
    int code;
    std::string_view text;
};

constexpr std::string_view k300 = "Rx(300 - 399.9950 MHz) Tx(300 - 399.9950 MHz)";

// In selection-list order.
constexpr std::array<BandRow, kBandListSize> kBandTable{{
    {0, "Rx(26 - 45.9950 MHz) Tx(26 - 45.9950 MHz)"},
    {1, "Rx(66 - 87.9950 MHz) Tx(66 - 87.9950 MHz)"},
    {2, "Rx(136 - 173.99750 MHz) Tx(144 - 145.99750 MHz)"},
    {3, "Rx(136 - 173.99750 MHz) Tx(136 - 173.99750 MHz)"},
    {4, "Rx(144 - 145.99750 MHz) Tx(144 - 145.99750 MHz)"},
    {5, "Rx(136 - 173.99750 MHz) Tx(144 - 147.99750 MHz)"},
    {6, "Rx(144 - 147.99750 MHz) Tx(144 - 147.99750 MHz)"},
    {7, "Rx(136 - 173.99750 MHz) Tx(136 - 173.99750 MHz)"},
    {16, "Rx(245 - 245.9875 MHz) Tx(245 - 245.9875 MHz)"},
    {17, "Rx(220 - 259.9950 MHz) Tx(220 - 259.9950 MHz)"},
    {18, "Rx(200 - 229.9950 MHz) Tx(200 - 229.9950 MHz)"},
    {19, "Rx(230 - 249.9950 MHz) Tx(230 - 249.9950 MHz)"},
    {20, "Rx(200 - 299.9950 MHz) Tx(200 - 299.9950 MHz)"},
    {21, "Rx(220 - 279.9950 MHz) Tx(220 - 279.9950 MHz)"},
    {22, "Rx(216 - 279.9950 MHz) Tx(222 - 224.9950 MHz)"},
    {23, "Rx(216 - 279.9950 MHz) Tx(220 - 259.9950 MHz)"},
    {32, k300},
    {33, "Rx(350 - 369.9950 MHz) Tx(350 - 369.9950 MHz)"},
    {34, "Rx(350 - 389.9950 MHz) Tx(350 - 389.9950 MHz)"},
    {35, k300},
    {36, k300},
    {37, k300},
    {38, k300},
    {39, k300},
    {48, "Rx(400 - 469.9950 MHz) Tx(400 - 469.9950 MHz)"},
    {49, "Rx(400 - 489.9950 MHz) Tx(400 - 489.9950 MHz)"},
    {50, "Rx(430 - 439.9950 MHz) Tx(430 - 439.9950 MHz)"},
    {51, "Rx(420 - 449.9950 MHz) Tx(420 - 449.9950 MHz)"},
    {52, "Rx(350 - 511.9950 MHz) Tx(400 - 489.9950 MHz)"},
    {53, "Rx(440 - 511.9950 MHz) Tx(440 - 511.9950 MHz)"},
    {54, "Rx(410 - 429.9950 MHz) Tx(410 - 429.9950 MHz)"},
    {55, "Rx(400 - 429.9950 MHz) Tx(400 - 429.9950 MHz)"},
}};

constexpr bool TableFollowsListOrder() {
    for (int i = 0; i < kBandListSize; ++i) {
        if (kBandTable[i].code != BandCodeFromListIndex(i)) return false;
        if (ListIndexFromBandCode(kBandTable[i].code) != i) return false;
    }
    return true;
}
static_assert(TableFollowsListOrder());

double ParseMhz(std::string_view word, std::string_view whole) {
    double value = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc{} || end != word.data() + word.size()) {
        throw std::invalid_argument("malformed band text: " + std::string(whole));
    }
    return value;
}

// "low - high MHz" after `tag`, as (low, high).
std::pair<double, double> ParseRange(std::string_view text, std::string_view tag) {
    const std::size_t open = text.find(tag);
    const std::size_t close = open == std::string_view::npos ? open : text.find(')', open);
    if (close == std::string_view::npos) {
        throw std::invalid_argument("malformed band text: " + std::string(text));
    }
    const std::string_view range = text.substr(open + tag.size(), close - open - tag.size());
    // The blank-separated words are low, "-", high, "MHz".
    const std::size_t blank1 = range.find(' ');
    const std::size_t blank2 = range.find(' ', blank1 == range.npos ? blank1 : blank1 + 1);
    const std::size_t blank3 = range.find(' ', blank2 == range.npos ? blank2 : blank2 + 1);
    if (blank3 == std::string_view::npos) {
        throw std::invalid_argument("malformed band text: " + std::string(text));
    }
    return {ParseMhz(range.substr(0, blank1), text),
            ParseMhz(range.substr(blank2 + 1, blank3 - blank2 - 1), text)};
}

}  // namespace

std::string_view BandTextFromCode(int code) {
    for (const BandRow& row : kBandTable) {
        if (row.code == code) return row.text;
    }
    return BandTextFromCode(kFallbackBandCode);
}

std::int16_t NormalizeRadioBand(std::uint8_t byte) {
    if ((byte & 0x08) != 0 || byte > 55) return kFallbackBandCode;
    return byte;
}

BandLimits ParseBandLimits(std::string_view bandText) {
    const auto [rxLow, rxHigh] = ParseRange(bandText, "Rx(");
    const auto [txLow, txHigh] = ParseRange(bandText, "Tx(");
    return {rxLow, rxHigh, txLow, txHigh};
}

void Band::setCode(std::int16_t code) {
    code_ = code;
    text_ = std::string(BandTextFromCode(code));
    limits_ = ParseBandLimits(text_);
}

}  // namespace torvik
