// The choices the emergency editor offers for the identification code.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace torvik {

inline constexpr std::uint8_t kIdCodeNone = 0;
inline constexpr std::uint8_t kIdCodeDtmf = 1;
inline constexpr std::uint8_t kIdCodeFiveTone = 2;

// The DTMF code memories (0..15) that hold a code, given each memory's length.
std::vector<int> DtmfIdCodeChoices(std::span<const std::int16_t> memoryLengths);

// "M1".."M16" for memory 0..15.
std::string DtmfIdCodeText(int memory);

// The 5-Tone code numbers (entry i = 1..100 gives i - 1) whose code-table entry is in use,
// or the single number 0 when none is.
std::vector<int> FiveToneIdCodeChoices(std::span<const bool> entryInUse);

}  // namespace torvik
