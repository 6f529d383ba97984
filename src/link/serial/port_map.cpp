#include "link/serial/port_map.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <map>
#include <system_error>

#include "platform/file_io.h"

namespace torvik {
namespace {

namespace fs = std::filesystem;

// Kernel tty devices that stand for serial hardware. The kernel creates ttySn entries for
// UARTs that may not exist; those report type 0 and are left out, as they would only fill the
// list with ports that never answer.
bool IsSerialTty(const fs::path& sysEntry) {
    const std::string name = sysEntry.filename().string();
    for (std::string_view prefix : {"ttyUSB", "ttyACM", "ttyAMA", "ttyXRUSB", "rfcomm"}) {
        if (name.starts_with(prefix)) return true;
    }
    if (!name.starts_with("ttyS")) return false;
    const std::string type = ReadWholeFile(sysEntry / "type").value_or("0");
    return !type.empty() && type[0] != '0';
}

}  // namespace

PortMap::PortMap(const ProfileFile& profile) {
    for (int number = 1; number <= kMaxPortNumber; ++number) {
        if (auto key = profile.get(kPortMapSection, std::to_string(number)); key && !key->empty()) {
            assigned_.emplace_back(number, *key);
        }
    }
}

int PortMap::assign(const std::string& key) {
    for (const auto& [number, known] : assigned_) {
        if (known == key) return number;
    }
    for (int number = 1; number <= kMaxPortNumber; ++number) {
        const bool taken = std::any_of(assigned_.begin(), assigned_.end(),
                                       [&](const auto& a) { return a.first == number; });
        if (!taken) {
            assigned_.emplace_back(number, key);
            return number;
        }
    }
    return 0;
}

bool PortMap::update(const std::vector<SerialDevice>& present) {
    const std::size_t before = assigned_.size();
    std::vector<SerialDevice> virtuals;
    for (const SerialDevice& d : present_) {
        if (d.key == d.path && d.path.starts_with("/dev/pts/")) virtuals.push_back(d);
    }
    present_ = present;
    for (const SerialDevice& d : virtuals) {
        if (std::find(present_.begin(), present_.end(), d) == present_.end()) present_.push_back(d);
    }
    for (const SerialDevice& device : present_) assign(device.key);
    return assigned_.size() != before;
}

int PortMap::addVirtual(const std::string& path) {
    const SerialDevice device{path, path};
    if (std::find(present_.begin(), present_.end(), device) == present_.end()) {
        present_.push_back(device);
    }
    return assign(path);
}

std::vector<NumberedPort> PortMap::presentPorts() const {
    std::vector<NumberedPort> ports;
    for (const SerialDevice& device : present_) {
        for (const auto& [number, key] : assigned_) {
            if (key == device.key) ports.push_back({number, device});
        }
    }
    std::sort(ports.begin(), ports.end(),
              [](const NumberedPort& a, const NumberedPort& b) { return a.number < b.number; });
    return ports;
}

std::vector<int> PortMap::presentNumbers() const {
    std::vector<int> numbers;
    for (const NumberedPort& port : presentPorts()) numbers.push_back(port.number);
    return numbers;
}

bool PortMap::isPortPresent(int number) const {
    return devicePath(number).has_value();
}

int PortMap::firstPresentPort() const {
    const auto ports = presentPorts();
    return ports.empty() ? 0 : ports.front().number;
}

std::optional<std::string> PortMap::devicePath(int number) const {
    for (const NumberedPort& port : presentPorts()) {
        if (port.number == number) return port.device.path;
    }
    return std::nullopt;
}

std::optional<int> PortMap::numberOf(const std::string& path) const {
    for (const NumberedPort& port : presentPorts()) {
        if (port.device.path == path || port.device.key == path) return port.number;
    }
    return std::nullopt;
}

int PortMap::listSerialPorts(std::vector<std::string>& list) const {
    list.clear();
    const auto ports = presentPorts();
    for (const NumberedPort& port : ports) list.push_back("COM" + std::to_string(port.number));
    return ports.empty() ? 0 : ports.front().number;
}

void PortMap::store(ProfileFile& profile) const {
    for (const auto& [number, key] : assigned_) {
        // Pseudo-terminals come and go with their programs; their numbers are not kept.
        if (key.starts_with("/dev/pts/")) continue;
        profile.set(kPortMapSection, std::to_string(number), key);
    }
}

std::vector<SerialDevice> ScanSerialDevices() {
    std::error_code ec;
    std::map<std::string, std::string> byTarget;  // device path -> by-id path
    for (const auto& entry : fs::directory_iterator("/dev/serial/by-id", ec)) {
        const fs::path target = fs::canonical(entry.path(), ec);
        if (!ec) byTarget[target.string()] = entry.path().string();
    }
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator("/sys/class/tty", ec)) {
        if (IsSerialTty(entry.path())) names.push_back(entry.path().filename().string());
    }
    // Kernel order (ttyUSB0 before ttyUSB1, ..., ttyUSB10) keeps first-time numbering natural.
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    std::vector<SerialDevice> devices;
    for (const std::string& name : names) {
        const std::string path = "/dev/" + name;
        const auto stable = byTarget.find(path);
        devices.push_back({stable != byTarget.end() ? stable->second : path, path});
    }
    return devices;
}

}  // namespace torvik
