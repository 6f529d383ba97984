// The settings read at start-up: the setup profile ("mysetup.ini", section "language") and
// the feature switches file ("Setting.ini", four 16-bit little-endian flags).
#pragma once

#include <cstdint>
#include <filesystem>

#include "codeplug/feature_flags.h"
#include "platform/profile_file.h"

namespace torvik {

inline constexpr std::string_view kSetupSection = "language";

struct SetupSettings {
    bool isFirstRun = false;
    std::int16_t PortNumber = 1;
    std::int16_t HandshakeMode = 0;
    std::int16_t StopBits = 1;
    std::int16_t FactoryFres = 0;
};

// Reads "IsFirstRun", "comPort", "Handshaking", "StopBit", "FactoryFres". Missing keys and
// values that are not numbers in range keep the sound defaults above.
SetupSettings ReadSetupSettings(const ProfileFile& profile);

// The start-up write-back: "IsFirstRun" becomes "0" when it was set, "comPort" is written.
void WriteStartupValues(ProfileFile& profile, const SetupSettings& settings);

inline constexpr std::size_t kFeatureFileSize = 8;

// A missing, short or unreadable file gives all flags off.
FeatureFlags ReadFeatureFlags(const std::filesystem::path& path);
bool WriteFeatureFlags(const std::filesystem::path& path, const FeatureFlags& flags);

}  // namespace torvik
