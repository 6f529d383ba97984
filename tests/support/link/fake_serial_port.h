// A serial port for tests: records every open, write and threshold; bytes and errors that
// the test script (or a scripted radio) queues arrive only when the test delivers them, as
// the event loop would deliver them, never inside the write that caused them.
#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "link/serial/serial_port.h"

namespace torvik::test {

using Bytes = std::vector<std::uint8_t>;

class FakeSerialPort : public SerialPort {
  public:
    struct Sent {
        Bytes frame;
        std::size_t threshold = 0;
    };
    struct Opened {
        PortId port;
        LineSettings line;
        bool ok = false;
    };

    // Which settings open; all by default.
    std::function<bool(const PortId&, const LineSettings&)> canOpen;
    // The far side: hears every frame written.
    std::function<void(const Bytes&)> onWrite;
    // What openFailure() says after an open that failed.
    std::string openFailureText;
    // Writes fail while set (a device that has gone); opening a port clears it.
    bool failWrites = false;

    std::vector<Sent> sent;
    std::vector<Opened> opens;
    int closes = 0;
    int clears = 0;

    // Script side: bytes that will arrive, an error that will be reported.
    void arrive(Bytes bytes) { events_.push_back({std::move(bytes), false}); }
    void reportError() { events_.push_back({{}, true}); }
    bool hasPending() const { return !events_.empty(); }

    // Delivers the next queued event. False when there was none.
    bool deliverNext() {
        if (events_.empty()) return false;
        const Event event = std::move(events_.front());
        events_.pop_front();
        if (!open_) return true;  // a closed port hears nothing
        if (event.error) {
            if (listener_) listener_->serialError(SerialError::DeviceGone);
            return true;
        }
        input_.insert(input_.end(), event.bytes.begin(), event.bytes.end());
        if (listener_ && threshold_ > 0 && input_.size() >= threshold_) {
            listener_->serialBytesWaiting();
        }
        return true;
    }

    const PortId& currentPort() const { return port_; }
    const LineSettings& currentLine() const { return line_; }
    std::size_t threshold() const { return threshold_; }
    std::size_t waiting() const { return input_.size(); }

    void setListener(SerialPortListener* listener) override { listener_ = listener; }

    bool open(const PortId& port, const LineSettings& line) override {
        close();
        const bool ok = !canOpen || canOpen(port, line);
        opens.push_back({port, line, ok});
        if (ok) {
            failWrites = false;
            open_ = true;
            port_ = port;
            line_ = line;
        }
        return ok;
    }
    std::string openFailure() const override {
        return opens.empty() || opens.back().ok ? std::string() : openFailureText;
    }
    void close() override {
        if (!open_) return;
        open_ = false;
        ++closes;
        input_.clear();
        events_.clear();  // nothing reaches a closed port
    }
    bool isOpen() const override { return open_; }
    void setReceiveThreshold(std::size_t bytes) override { threshold_ = bytes; }
    void clearBuffers() override {
        ++clears;
        input_.clear();
    }
    bool write(std::span<const std::uint8_t> bytes) override {
        if (!open_ || failWrites) return false;
        Bytes frame(bytes.begin(), bytes.end());
        sent.push_back({frame, threshold_});
        if (onWrite) onWrite(frame);
        return true;
    }
    Bytes takeAll() override {
        Bytes all;
        all.swap(input_);
        return all;
    }

  private:
    struct Event {
        Bytes bytes;
        bool error = false;
    };

    SerialPortListener* listener_ = nullptr;
    bool open_ = false;
    PortId port_;
    LineSettings line_;
    std::size_t threshold_ = 0;
    Bytes input_;
    std::deque<Event> events_;
};

}  // namespace torvik::test
