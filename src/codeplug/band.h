// The frequency variants of the radio platform: band codes, their texts, the selection-list
// order and the limits parsed from a band text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace torvik {

// Band limits in MHz.
struct BandLimits {
    double RxLow = 0;
    double RxHigh = 0;
    double TxLow = 0;
    double TxHigh = 0;
    bool operator==(const BandLimits&) const = default;
};

inline constexpr int kBandListSize = 32;
inline constexpr std::int16_t kDefaultBandCode = 3;
// The code whose text stands in for every code the table does not name.
inline constexpr std::int16_t kFallbackBandCode = 48;

// The band text of a code; unknown codes give the text of code 48.
std::string_view BandTextFromCode(int code);

// Selection-list position <-> band code: the list runs through the eight variants of each
// of the four frequency groups.
constexpr int BandCodeFromListIndex(int index) {
    return 16 * (index / 8) + index % 8;
}
constexpr int ListIndexFromBandCode(int code) {
    return 8 * (code / 16) + code % 16;
}

// The band byte of an identity reply as a band code: bit 3 set or above 55 means code 48.
std::int16_t NormalizeRadioBand(std::uint8_t byte);

// Limits from a band text "Rx(low - high MHz) Tx(low - high MHz)". Only the table's texts
// are ever parsed; anything else is a program error (std::invalid_argument).
BandLimits ParseBandLimits(std::string_view bandText);

// Bands 2..7 use the 2.5 kHz channel raster and step list.
constexpr bool HasFineRaster(int bandCode) {
    return bandCode > 1 && bandCode < 8;
}

// Codes 3 and 7 describe the same hardware and pass the band check of a write.
constexpr bool SameBandForWrite(int a, int b) {
    auto wide = [](int c) { return c == 3 || c == 7; };
    return a == b || (wide(a) && wide(b));
}

// The current band of a codeplug: code, text and limits always in step.
class Band {
  public:
    Band() { setCode(kDefaultBandCode); }
    void setCode(std::int16_t code);

    std::int16_t code() const { return code_; }
    const std::string& text() const { return text_; }
    const BandLimits& limits() const { return limits_; }

    bool operator==(const Band&) const = default;

  private:
    std::int16_t code_ = kDefaultBandCode;
    std::string text_;
    BandLimits limits_;
};

}  // namespace torvik
