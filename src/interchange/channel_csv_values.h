// The values of the channel CSV columns and the channel fields they stand for: frequencies
// in MHz, tone and DCS texts, power levels as wattages, bandwidth as mode, steps in kHz.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "codeplug/band.h"

namespace torvik {

// The header the channel export writes, in this order.
inline constexpr std::array<std::string_view, 21> kChannelCsvColumns{
    "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
    "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};

// The wattage each transmit power level (high, medium, low) is written as; an imported
// wattage takes the nearest level.
inline constexpr std::array<double, 3> kPowerLevelWatts{5.0, 2.0, 1.0};

// A frequency code (10 Hz units) as MHz with six decimals, "146.520000"; nothing when the
// code is not nine digits.
std::optional<std::string> MhzTextOfCode(std::string_view code);
// MHz text to a count of 10 Hz units; nothing when it is not a plain non-negative number
// below 10000 MHz.
std::optional<std::int64_t> TenHzOfMhzText(std::string_view text);
// A count of 10 Hz units as a nine-digit code.
std::string CodeOfTenHz(std::int64_t tenHz);

// "88.5" for a CTCSS index; the index of a tone text (within 0.05 Hz), or nothing.
std::string CtcssCsvText(int index);
std::optional<int> CtcssIndexOfText(std::string_view text);
// "023" for DCS code 0o23; the code of one to three octal digits, or nothing.
std::string DcsCsvText(int code);
std::optional<int> DcsCodeOfText(std::string_view text);

// "5.0W", "10W": whole watts from 10 W on, one decimal below.
std::string PowerCsvText(int txPower);
// The level nearest to a wattage written "<number>W"; a tie takes the lower power. Nothing
// for any other form.
std::optional<int> PowerLevelOfText(std::string_view text);

// A step of the band's step list in kHz with two decimals ("12.50"); empty outside the list.
std::string StepCsvText(int step, int bandCode);
// The list position of a step in kHz, or of the nearest step when `exact` comes back false.
// Nothing when the text is not a number.
std::optional<int> StepOfText(std::string_view text, int bandCode, bool& exact);

}  // namespace torvik
