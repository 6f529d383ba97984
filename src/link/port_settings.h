// The three communication settings of the radio link: which port, its handshaking and its
// stop bits. Speed, parity and data bits are fixed by the protocol.
#pragma once

#include <cstdint>
#include <optional>

#include "app/settings.h"
#include "link/serial/serial_port.h"
#include "platform/profile_file.h"

namespace torvik {

struct PortSettings {
    PortId port;
    std::int16_t HandshakeMode = 0;  // 0 none, 1 XON/XOFF, 2 RTS/CTS, 3 both
    std::int16_t StopBits = 1;       // 1 or 2
    bool operator==(const PortSettings&) const = default;
};

// Keeps the settings a search chose, in the run's setup values and in the setup profile:
// "comPort" (only for a port given by number), "Handshaking" and "StopBit".
void RememberPortSettings(const PortSettings& settings, SetupSettings& setup, ProfileFile& profile);

// The line settings to open the port with: 9600 baud, 8 data bits, no parity, the stop bits
// and handshaking of `settings`. Nothing when a value is out of range or no port is chosen,
// so a damaged settings file cannot reach the serial layer.
std::optional<LineSettings> LineSettingsFor(const PortSettings& settings);

}  // namespace torvik
