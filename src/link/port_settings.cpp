#include "link/port_settings.h"

namespace torvik {

std::optional<LineSettings> LineSettingsFor(const PortSettings& settings) {
    if (settings.port.isNone() || settings.port.number() < 0) return std::nullopt;
    if (settings.StopBits != 1 && settings.StopBits != 2) return std::nullopt;
    if (settings.HandshakeMode < 0 || settings.HandshakeMode > 3) return std::nullopt;
    LineSettings line;
    line.stopBits = settings.StopBits;
    line.handshake = static_cast<Handshake>(settings.HandshakeMode);
    return line;
}

void RememberPortSettings(const PortSettings& settings, SetupSettings& setup,
                          ProfileFile& profile) {
    if (settings.port.number() > 0) {
        setup.PortNumber = static_cast<std::int16_t>(settings.port.number());
        profile.set(kSetupSection, "comPort", std::to_string(settings.port.number()));
    }
    setup.HandshakeMode = settings.HandshakeMode;
    setup.StopBits = settings.StopBits;
    profile.set(kSetupSection, "Handshaking", std::to_string(settings.HandshakeMode));
    profile.set(kSetupSection, "StopBit", std::to_string(settings.StopBits));
}

}  // namespace torvik
