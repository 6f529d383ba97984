// A serial port that writes a trace of what passes through another one: one line per frame
// sent and per reply taken, with the milliseconds since the trace began, the direction ("TX"
// from the PC, "RX" to it) and the bytes in hex. Support staff read it beside the protocol.
#pragma once

#include <chrono>
#include <ostream>

#include "link/serial/serial_port.h"

namespace torvik {

class TracedSerialPort final : public SerialPort {
  public:
    TracedSerialPort(SerialPort& inner, std::ostream& trace);

    void setListener(SerialPortListener* listener) override { inner_.setListener(listener); }
    bool open(const PortId& port, const LineSettings& settings) override;
    std::string openFailure() const override { return inner_.openFailure(); }
    void close() override;
    bool isOpen() const override { return inner_.isOpen(); }
    void setReceiveThreshold(std::size_t bytes) override { inner_.setReceiveThreshold(bytes); }
    void clearBuffers() override { inner_.clearBuffers(); }
    bool write(std::span<const std::uint8_t> bytes) override;
    std::vector<std::uint8_t> takeAll() override;

  private:
    void line(std::string_view direction, std::span<const std::uint8_t> bytes);

    SerialPort& inner_;
    std::ostream& trace_;
    std::chrono::steady_clock::time_point start_;
};

}  // namespace torvik
