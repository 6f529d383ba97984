#include "link/serial/usb_info.h"

#include <fstream>

#include "link/serial/port_map.h"

namespace torvik {
std::string ReadFirstLine(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

std::optional<UsbInfo> UsbInfoOf(const std::string& devicePath,
                                 const std::filesystem::path& sysRoot) {
    std::error_code ec;
    const std::string name = std::filesystem::canonical(devicePath, ec).filename().string();
    if (ec || name.empty()) return std::nullopt;
    // The tty's device is an interface of the USB device; the numbers sit a level or two up.
    std::filesystem::path dir =
        std::filesystem::canonical(sysRoot / "class" / "tty" / name / "device", ec);
    if (ec) return std::nullopt;
    for (int up = 0; up < 4 && !dir.empty() && dir != dir.root_path(); ++up) {
        if (std::filesystem::exists(dir / "idVendor", ec)) {
            return UsbInfo{ReadFirstLine(dir / "idVendor"), ReadFirstLine(dir / "idProduct"),
                           ReadFirstLine(dir / "product")};
        }
        dir = dir.parent_path();
    }
    return std::nullopt;
}

std::string DeviceDescription(const SerialDevice& device, const std::filesystem::path& sysRoot) {
    std::string text = device.path;
    if (device.key != device.path) text += "  " + device.key;
    if (const std::optional<UsbInfo> usb = UsbInfoOf(device.path, sysRoot)) {
        text += "  USB " + usb->vendorId + ":" + usb->productId;
        if (!usb->product.empty()) text += " " + usb->product;
    }
    return text;
}

}  // namespace torvik
