#include "qtlink/qt_serial_port.h"

#include "qtlink/port_failure.h"

namespace torvik {
namespace {

QSerialPort::FlowControl FlowControlOf(Handshake handshake) {
    switch (handshake) {
        case Handshake::None:
            return QSerialPort::NoFlowControl;
        case Handshake::XonXoff:
            return QSerialPort::SoftwareControl;
        // QSerialPort has no combined mode; hardware handshaking is the part that matters
        // for a binary protocol (software handshaking would swallow 0x11 and 0x13 bytes).
        case Handshake::RtsCts:
        case Handshake::RtsCtsXonXoff:
            return QSerialPort::HardwareControl;
    }
    return QSerialPort::NoFlowControl;
}

}  // namespace

QtSerialPort::QtSerialPort(Resolver resolve, QObject* parent)
    : QObject(parent), resolve_(std::move(resolve)) {
    connect(&port_, &QSerialPort::readyRead, this, &QtSerialPort::onReadyRead);
    // Queued, so an error raised inside write() reaches the engine after that call returned.
    connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialPort::onError,
            Qt::QueuedConnection);
}

bool QtSerialPort::open(const PortId& port, const LineSettings& settings) {
    close();
    openFailure_.clear();
    permissionRefused_ = false;
    std::optional<std::string> path;
    if (port.isDevice())
        path = port.devicePath();
    else if (port.number() > 0)
        path = resolve_(port.number());
    if (!path) {
        openFailure_ = port.isNone() ? "No serial port is chosen."
                                     : "No serial device has the number " +
                                           std::to_string(port.number()) + " now.";
        return false;
    }

    port_.setPortName(QString::fromStdString(*path));
    if (!port_.open(QIODevice::ReadWrite)) {
        openFailure_ = OpenFailureText(*path, port_.error(), port_.errorString().toStdString());
        permissionRefused_ = LacksPermission(*path, port_.error());
        return false;
    }
    const bool configured =
        port_.setBaudRate(settings.baudRate) && port_.setDataBits(QSerialPort::Data8) &&
        port_.setParity(QSerialPort::NoParity) &&
        port_.setStopBits(settings.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
    // Pseudo-terminals refuse some line controls; a port that opened is still usable.
    port_.setFlowControl(FlowControlOf(settings.handshake));
    if (!configured) {
        openFailure_ = *path + " does not accept the line settings " + settings.text() + ".";
        port_.close();
        return false;
    }
    port_.clear();
    return true;
}

void QtSerialPort::close() {
    if (port_.isOpen()) port_.close();
}

void QtSerialPort::setReceiveThreshold(std::size_t bytes) {
    threshold_ = bytes;
    // Bytes that arrived before the threshold was lowered count now, as they would on a
    // serial control that checks its threshold continuously.
    if (threshold_ > 0 && port_.isOpen() &&
        static_cast<std::size_t>(port_.bytesAvailable()) >= threshold_) {
        QMetaObject::invokeMethod(this, &QtSerialPort::onReadyRead, Qt::QueuedConnection);
    }
}

void QtSerialPort::clearBuffers() {
    if (!port_.isOpen()) return;
    port_.clear();
    port_.readAll();
}

bool QtSerialPort::write(std::span<const std::uint8_t> bytes) {
    if (!port_.isOpen()) return false;
    const qint64 n =
        port_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    return n == static_cast<qint64>(bytes.size());
}

std::vector<std::uint8_t> QtSerialPort::takeAll() {
    const QByteArray bytes = port_.readAll();
    return {bytes.begin(), bytes.end()};
}

void QtSerialPort::onReadyRead() {
    if (listener_ && threshold_ > 0 &&
        static_cast<std::size_t>(port_.bytesAvailable()) >= threshold_) {
        listener_->serialBytesWaiting();
    }
}

void QtSerialPort::onError(QSerialPort::SerialPortError error) {
    if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError || !listener_) return;
    const bool gone =
        error == QSerialPort::ResourceError || error == QSerialPort::DeviceNotFoundError;
    listener_->serialError(gone ? SerialError::DeviceGone : SerialError::IoError);
}

}  // namespace torvik
