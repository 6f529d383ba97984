// The serial seam on QSerialPort, for real devices and pseudo-terminals alike.
#pragma once

#include <QObject>
#include <QSerialPort>
#include <functional>
#include <optional>
#include <string>

#include "link/serial/serial_port.h"

namespace torvik {

class QtSerialPort : public QObject, public SerialPort {
    Q_OBJECT

  public:
    // `resolve` turns a port number into its device path (the port map), nothing when the
    // number names no present device.
    using Resolver = std::function<std::optional<std::string>(int number)>;
    explicit QtSerialPort(Resolver resolve, QObject* parent = nullptr);

    void setListener(SerialPortListener* listener) override { listener_ = listener; }
    bool open(const PortId& port, const LineSettings& settings) override;
    std::string openFailure() const override { return openFailure_; }
    // The last open failed because this user may not use the device (see LacksPermission).
    bool permissionRefused() const { return permissionRefused_; }
    void close() override;
    bool isOpen() const override { return port_.isOpen(); }
    void setReceiveThreshold(std::size_t bytes) override;
    void clearBuffers() override;
    bool write(std::span<const std::uint8_t> bytes) override;
    std::vector<std::uint8_t> takeAll() override;

  private:
    void onReadyRead();
    void onError(QSerialPort::SerialPortError error);

    QSerialPort port_;
    Resolver resolve_;
    SerialPortListener* listener_ = nullptr;
    std::size_t threshold_ = 0;
    std::string openFailure_;
    bool permissionRefused_ = false;
};

}  // namespace torvik
