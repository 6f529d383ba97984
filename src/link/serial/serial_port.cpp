#include "link/serial/serial_port.h"

namespace torvik {

PortId PortId::Number(int number) {
    PortId id;
    id.number_ = number;
    return id;
}

PortId PortId::Device(std::string path) {
    PortId id;
    id.path_ = std::move(path);
    return id;
}

std::string PortId::displayName() const {
    if (isDevice()) return path_;
    return number_ > 0 ? "COM" + std::to_string(number_) : std::string();
}

std::string LineSettings::text() const {
    return std::to_string(baudRate) + ",N," + std::to_string(dataBits) + "," +
           std::to_string(stopBits);
}

}  // namespace torvik
