// Serial port numbers on Linux. The settings and dialogs speak of port numbers (1..255); this
// map gives each serial device a number that stays with it between runs (a USB adapter keeps
// its number however the kernel names it today) and remembers the assignment in the setup
// profile. Devices the system does not list, such as a virtual radio's pseudo-terminal, can be
// added explicitly.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/profile_file.h"

namespace torvik {

struct SerialDevice {
    // What identifies the device across runs: its /dev/serial/by-id path when it has one,
    // else its device path.
    std::string key;
    // The device node to open.
    std::string path;
    bool operator==(const SerialDevice&) const = default;
};

struct NumberedPort {
    int number = 0;
    SerialDevice device;
};

inline constexpr int kMaxPortNumber = 255;
inline constexpr std::string_view kPortMapSection = "ports";

class PortMap {
  public:
    // Restores the remembered assignments ("<number>=<key>" lines of section "ports").
    explicit PortMap(const ProfileFile& profile);

    // Takes the devices present now (in the system's order): known keys keep their number, new
    // ones get the lowest free number. Returns true when an assignment was added.
    bool update(const std::vector<SerialDevice>& present);

    // Adds a device the system does not list (a pseudo-terminal); returns its number.
    int addVirtual(const std::string& path);

    // The present ports in number order.
    std::vector<NumberedPort> presentPorts() const;
    // The numbers of presentPorts(), in the same order.
    std::vector<int> presentNumbers() const;
    bool isPortPresent(int number) const;
    // The number of the first present port, 0 when none is present.
    int firstPresentPort() const;
    std::optional<std::string> devicePath(int number) const;
    // The number of a present device path, if it has one.
    std::optional<int> numberOf(const std::string& path) const;

    // Fills `list` with "COM<n>" for the present ports; returns the first number, 0 when none.
    int listSerialPorts(std::vector<std::string>& list) const;

    // Writes the assignments into the profile's "ports" section.
    void store(ProfileFile& profile) const;

  private:
    int assign(const std::string& key);

    std::vector<std::pair<int, std::string>> assigned_;  // number -> key, remembered
    std::vector<SerialDevice> present_;
};

// The serial devices of this machine: USB adapters by their stable by-id names, and the
// other tty devices that the kernel backs with real hardware.
std::vector<SerialDevice> ScanSerialDevices();

}  // namespace torvik
