// Frequency codes (FreqCode): a frequency as 9 decimal digits in units of 10 Hz, the first
// four whole MHz ("043500625" is 435.00625 MHz), "FFFFFFFFF" for none. Conversions to and
// from display text, the band-limit checks and the snapping to the channel raster.
#pragma once

#include <string>
#include <string_view>

#include "codeplug/band.h"
#include "platform/reporter.h"

namespace torvik {

inline constexpr std::string_view kNoFrequencyCode = "FFFFFFFFF";
// The codes' unit: 10 Hz steps in one MHz.
inline constexpr double kTenHzPerMhz = 100000.0;
inline constexpr std::string_view kZeroOffsetCode = "000000000";
// Language-file key of the "frequency out of range" warning.
inline constexpr int kKeyFrequencyOutOfRange = 2001;

// Typed text to a code: "435.00625" gives "043500625", "435" gives "043500000", and a
// longer text without a point its first three characters as the short code "0435".
// Empty or non-numeric text gives an empty code.
std::string FreqTextToCode(std::string_view text);

// A code as display text "000.00000"; empty for an empty or all-F code. A code that is not
// numeric shows "Not IsNumeric" and gives RxLow.
std::string FreqCodeToText(std::string_view code, const BandLimits& limits, Reporter& reporter);

// Like FreqCodeToText, formatted "0.00000", with "0.00000" for an empty or all-F code.
std::string FreqCodeToPlainText(std::string_view code, Reporter& reporter);

// Moves a frequency in MHz onto the band's raster (2.5 or 5 kHz, 6.25 kHz and 8.33 kHz all
// counted from the band's low edge); frequencies already on one are unchanged.
double SnapRxFrequency(double mhz, const Band& band);
double SnapTxFrequency(double mhz, const Band& band);

// Keeps a frequency inside the band (warning 2001 and the nearer limit when outside),
// then snaps it.
double CheckRxFrequency(double mhz, const Band& band, Reporter& reporter);
double CheckTxFrequency(double mhz, const Band& band, Reporter& reporter);

// The same for typed text, giving "000.00000"; non-numeric text warns and gives the low limit.
std::string CheckRxFrequencyText(std::string_view text, const Band& band, Reporter& reporter);
std::string CheckTxFrequencyText(std::string_view text, const Band& band, Reporter& reporter);

// The transmit offset magnitude "000.00000" for an offset text, a receive text and a shift
// direction (0 simplex, 1 minus, 2 plus), after the transmit frequency is checked
// against the band. Non-numeric input gives "000.00000".
std::string OffsetFromTx(std::string_view offsetText, std::string_view rxText, int shiftDir,
                         const Band& band, Reporter& reporter);

// Display form "000.00000" of a frequency in MHz.
std::string FormatFrequency(double mhz);

}  // namespace torvik
