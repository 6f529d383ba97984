#include "app/settings.h"

#include <charconv>
#include <string>

namespace torvik {
namespace {

// A decimal integer value in -32768..32767; anything else leaves `target` as it was.
void ReadInt16(const ProfileFile& profile, std::string_view key, std::int16_t& target) {
    const std::optional<std::string> text = profile.get(kSetupSection, key);
    if (!text || text->empty()) return;
    int value = 0;
    const auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (ec != std::errc{} || end != text->data() + text->size()) return;
    if (value < INT16_MIN || value > INT16_MAX) return;
    target = static_cast<std::int16_t>(value);
}

}  // namespace

SetupSettings ReadSetupSettings(const ProfileFile& profile) {
    SetupSettings settings;
    const std::string firstRun = profile.get(kSetupSection, "IsFirstRun").value_or("0");
    settings.isFirstRun =
        firstRun == "1" || firstRun == "-1" || EqualsIgnoringCase(firstRun, "true");
    ReadInt16(profile, "comPort", settings.PortNumber);
    ReadInt16(profile, "Handshaking", settings.HandshakeMode);
    ReadInt16(profile, "StopBit", settings.StopBits);
    ReadInt16(profile, "FactoryFres", settings.FactoryFres);
    if (settings.HandshakeMode < 0 || settings.HandshakeMode > 3) settings.HandshakeMode = 0;
    if (settings.StopBits != 1 && settings.StopBits != 2) settings.StopBits = 1;
    return settings;
}

void WriteStartupValues(ProfileFile& profile, const SetupSettings& settings) {
    if (settings.isFirstRun) profile.set(kSetupSection, "IsFirstRun", "0");
    profile.set(kSetupSection, "comPort", std::to_string(settings.PortNumber));
}

FeatureFlags ReadFeatureFlags(const std::filesystem::path& path) {
    const std::optional<std::string> bytes = ReadWholeFile(path);
    FeatureFlags flags;
    if (!bytes || bytes->size() < kFeatureFileSize) return flags;
    auto at = [&](std::size_t i) {
        const auto low = static_cast<unsigned char>((*bytes)[2 * i]);
        const auto high = static_cast<unsigned char>((*bytes)[2 * i + 1]);
        return static_cast<std::int16_t>(low | (high << 8));
    };
    flags.Has5Tone = at(0);
    flags.Has2Tone = at(1);
    flags.HasDTMF = at(2);
    flags.HasFeature4 = at(3);
    return flags;
}

bool WriteFeatureFlags(const std::filesystem::path& path, const FeatureFlags& flags) {
    std::string bytes;
    for (std::int16_t v : {flags.Has5Tone, flags.Has2Tone, flags.HasDTMF, flags.HasFeature4}) {
        const auto u = static_cast<std::uint16_t>(v);
        bytes += static_cast<char>(u & 0xFF);
        bytes += static_cast<char>(u >> 8);
    }
    return WriteFileAtomically(path, bytes);
}

}  // namespace torvik
