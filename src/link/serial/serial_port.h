// The seam between the radio link and the platform's serial port. The engine only needs the
// operations below; a QSerialPort backend, a pseudo-terminal or a test fake can stand behind
// it. Nothing here blocks or polls: arrivals and errors come back as listener calls from the
// event loop, never from inside the call that caused them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace torvik {

// Which port to open: a port number as the settings and dialogs know it (1..255), or an
// explicit device path (a virtual radio's pseudo-terminal, a device given on the command line).
class PortId {
  public:
    PortId() = default;  // no port
    static PortId Number(int number);
    static PortId Device(std::string path);

    bool isNone() const { return number_ == 0 && path_.empty(); }
    bool isDevice() const { return !path_.empty(); }
    // The port number, 0 for a device path or no port.
    int number() const { return number_; }
    const std::string& devicePath() const { return path_; }
    // "COM3" for a number, the path itself for a device.
    std::string displayName() const;

    bool operator==(const PortId&) const = default;

  private:
    int number_ = 0;
    std::string path_;
};

enum class Parity { None };

// Handshaking by its settings-file number.
enum class Handshake : std::int16_t { None = 0, XonXoff = 1, RtsCts = 2, RtsCtsXonXoff = 3 };

struct LineSettings {
    int baudRate = 9600;
    int dataBits = 8;
    Parity parity = Parity::None;
    int stopBits = 1;  // 1 or 2
    Handshake handshake = Handshake::None;

    // The classic settings text, "9600,N,8,1".
    std::string text() const;

    bool operator==(const LineSettings&) const = default;
};

enum class SerialError {
    DeviceGone,  // unplugged adapter, pulled cable, closed pseudo-terminal
    IoError,     // any other failure reported by the device
};

class SerialPortListener {
  public:
    virtual ~SerialPortListener() = default;
    // At least the receive threshold's number of bytes are waiting.
    virtual void serialBytesWaiting() = 0;
    // The open port failed; it may be unusable from now on.
    virtual void serialError(SerialError error) = 0;
};

class SerialPort {
  public:
    virtual ~SerialPort() = default;

    virtual void setListener(SerialPortListener* listener) = 0;

    // Opens the port with the given line settings (closing it first if open). False when the
    // device cannot be opened or does not accept the settings; the port is then closed.
    virtual bool open(const PortId& port, const LineSettings& settings) = 0;
    // Why the last open failed, in words a person can act on (English, with the device and
    // what to do about it); empty when it did not fail or nothing is known.
    virtual std::string openFailure() const { return {}; }
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // The listener hears serialBytesWaiting() whenever bytes arrive and at least this many
    // are waiting. 0 turns the notification off.
    virtual void setReceiveThreshold(std::size_t bytes) = 0;
    // Discards what waits in the input buffer and what has not been sent yet.
    virtual void clearBuffers() = 0;
    // Queues the bytes for sending; false when the port cannot take them.
    virtual bool write(std::span<const std::uint8_t> bytes) = 0;
    // Everything waiting in the input buffer, which is then empty.
    virtual std::vector<std::uint8_t> takeAll() = 0;
};

}  // namespace torvik
