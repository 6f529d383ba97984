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

}  // namespace torvik
