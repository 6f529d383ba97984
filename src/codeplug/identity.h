// Who the radio on the other end of the cable is, and the checks made against it before a
// transfer goes on.
#pragma once

#include <cstdint>
#include <string>

#include "platform/reporter.h"

namespace torvik {

// The platform's model identity, a constant of the program.
inline constexpr std::string_view ModelId = "MERLAN";
inline constexpr std::string_view kExpectedVersion = "V100";

// The identity of the radio last talked to (start-up values until a radio replies).
struct RadioIdentity {
    std::string RadioModel{ModelId};
    std::string RadioVersion{kExpectedVersion};
    std::int16_t RadioBandCode = 3;
    bool RadioKilled = false;
    bool RadioStunned = false;
};

enum class TransferMode { Read, Write };

// "TORVIK" when the model (cut at its first NUL) is ours, otherwise "Unknown".
std::string ProductName(const RadioIdentity& identity);

// Whether a transfer may go on with this radio; every problem found is reported (a write
// to a radio of the wrong model and the wrong band reports both).
bool CheckIdentity(TransferMode mode, const RadioIdentity& radio, std::int16_t codeplugBand,
                   Reporter& reporter);

}  // namespace torvik
