// Sub-audible tones and the channel step lists: the CTCSS table, DCS display texts and the
// step texts of a band.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace torvik {

inline constexpr int kCtcssCount = 51;
inline constexpr int kDcsCodeCount = 512;

// CTCSS tones in Hz as they are shown ("62.5", "100.0"), by index 0..50.
extern const std::array<std::string_view, kCtcssCount> CtcssTable;

// "D", the three octal digits of the code, then "N" (normal) or "I" (inverted): D023N.
std::string DcsText(int code, bool inverted);

// The step list of a band: from "2.5K" on the 2.5 kHz bands (2..7), from "5K" otherwise.
std::vector<std::string_view> StepList(int bandCode);

}  // namespace torvik
