#include "qtlink/port_failure.h"

#include <unistd.h>

#include <filesystem>

#include "link/serial/usb_info.h"

namespace torvik {
namespace {

// The group that owns serial devices on Debian and its relatives.
constexpr const char* kSerialGroup = "dialout";

}  // namespace

std::string DeviceHolder(const std::string& path, const std::vector<std::string>& lockFolders) {
    const std::string name = std::filesystem::path(path).filename().string();
    for (const std::string& folder : lockFolders) {
        const std::filesystem::path lock = std::filesystem::path(folder) / ("LCK.." + name);
        std::string pid = ReadFirstLine(lock);
        pid.erase(0, pid.find_first_not_of(' '));
        if (pid.empty() || pid.find_first_not_of("0123456789") != std::string::npos) continue;
        const std::string command = ReadFirstLine(std::filesystem::path("/proc") / pid / "comm");
        if (command.empty()) continue;
        return command + " (process " + pid + ")";
    }
    return {};
}

bool LacksPermission(const std::string& path, QSerialPort::SerialPortError error) {
    // Qt reports a device held by another program as a permission problem too; then the
    // device itself is open to this user.
    return error == QSerialPort::PermissionError && DeviceHolder(path).empty() &&
           ::access(path.c_str(), R_OK | W_OK) != 0;
}

std::string JoinSerialGroupAdvice() {
    return std::string("Join the group \"") + kSerialGroup + "\" with: sudo usermod -aG " +
           kSerialGroup + " $USER (then log out and in again).";
}

std::string OpenFailureText(const std::string& path, QSerialPort::SerialPortError error,
                            const std::string& systemText) {
    switch (error) {
        case QSerialPort::PermissionError: {
            if (LacksPermission(path, error)) {
                return "Permission denied: " + path + ". " + JoinSerialGroupAdvice();
            }
            if (const std::string holder = DeviceHolder(path); !holder.empty()) {
                return path + " is in use by " + holder + ".";
            }
            return path + " is in use by another program.";
        }
        case QSerialPort::DeviceNotFoundError:
            return path + " does not exist (is the cable plugged in?).";
        case QSerialPort::OpenError:
            return path + " is already open.";
        default:
            return path + ": " + systemText;
    }
}

}  // namespace torvik
