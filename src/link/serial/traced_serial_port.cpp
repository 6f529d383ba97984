#include "link/serial/traced_serial_port.h"

#include <cstdio>

namespace torvik {

TracedSerialPort::TracedSerialPort(SerialPort& inner, std::ostream& trace)
    : inner_(inner), trace_(trace), start_(std::chrono::steady_clock::now()) {}

void TracedSerialPort::line(std::string_view direction, std::span<const std::uint8_t> bytes) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start_)
                        .count();
    trace_ << ms << ' ' << direction;
    char hex[4];
    for (std::uint8_t b : bytes) {
        std::snprintf(hex, sizeof hex, " %02X", b);
        trace_ << hex;
    }
    // Flushed line by line, so a trace of a run that is killed is complete up to its end.
    trace_ << std::endl;
}

bool TracedSerialPort::open(const PortId& port, const LineSettings& settings) {
    const bool ok = inner_.open(port, settings);
    trace_ << "# open " << port.displayName() << ' ' << settings.text() << (ok ? "" : " failed")
           << std::endl;
    return ok;
}

void TracedSerialPort::close() {
    if (inner_.isOpen()) trace_ << "# close" << std::endl;
    inner_.close();
}

bool TracedSerialPort::write(std::span<const std::uint8_t> bytes) {
    line("TX", bytes);
    return inner_.write(bytes);
}

std::vector<std::uint8_t> TracedSerialPort::takeAll() {
    std::vector<std::uint8_t> bytes = inner_.takeAll();
    if (!bytes.empty()) line("RX", bytes);
    return bytes;
}

}  // namespace torvik
