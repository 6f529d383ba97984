// What the system knows about the USB adapter behind a serial device: vendor and product
// numbers and the product string, read from sysfs. For the port list a person picks from.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace torvik {

struct UsbInfo {
    std::string vendorId;   // four hex digits, "0403"
    std::string productId;  // "6001"
    std::string product;    // the adapter's own name, may be empty
};

// The first line of a small system file (sysfs, procfs, a lock file), without its line end;
// empty when it cannot be read.
std::string ReadFirstLine(const std::filesystem::path& file);

// Nothing for a device that is not on USB. `sysRoot` is "/sys" except in tests.
std::optional<UsbInfo> UsbInfoOf(const std::string& devicePath,
                                 const std::filesystem::path& sysRoot = "/sys");

struct SerialDevice;

// What names a device beside its port number, as the port list and the port dialog show it:
// the device path, its stable name when it has one, and for a USB adapter
// "USB vendor:product" and the product string:
// "/dev/ttyUSB0  usb-FTDI_FT232R_A1-if00-port0  USB 0403:6001 FT232R USB UART".
std::string DeviceDescription(const SerialDevice& device,
                              const std::filesystem::path& sysRoot = "/sys");

}  // namespace torvik
