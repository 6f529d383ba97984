// The entries of the DTMF editor's number lists, in list order. A list position is the value
// the record holds, or is one step from it (see DtmfForm).
#pragma once

#include <array>
#include <string>
#include <vector>

namespace torvik {

// The send times of list positions 0..5, in ms.
inline constexpr std::array kDtmfDigitDurationsMs{30, 50, 100, 200, 300, 500};

// Delays and times are counted in steps of 10 ms (0.1 s for the reset time) up to 250.
inline constexpr int kDtmfMaxDelaySteps = 250;
inline constexpr int kDtmfDelayStepMs = 10;
// A pause time is off (0) or 5..75.
inline constexpr int kDtmfMinPauseTime = 5;
inline constexpr int kDtmfMaxPauseTime = 75;

// "A", "B", "C", "D", "*", "#": the separator list, and the group list after its "off".
std::vector<std::string> DtmfSymbolTexts();
// "0", "10", ..., "2500": 251 entries.
std::vector<std::string> DtmfFirstDigitDelayTexts();
// "10", "20", ..., "2500": 250 entries, the pre-send and post-send delays.
std::vector<std::string> DtmfSendDelayTexts();
// "0.0", "0.1", ..., "25.0": 251 entries.
std::vector<std::string> DtmfResetTimeTexts();
// "5", "6", ..., "75": the pause list after its "off".
std::vector<std::string> DtmfPauseTimeTexts();

}  // namespace torvik
