// A radio at the far end of a FakeSerialPort for engine tests. It answers every frame from
// its memory, echo first as the programming cable does, and the test can make any answer
// go wrong: silence, a bad checksum, an extra byte, an answer in two pieces, a repeat
// request, a pulled cable.
#pragma once

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <string>

#include "link/frames.h"
#include "support/link/fake_serial_port.h"

namespace torvik::test {

enum class Fault { None, Silent, BadChecksum, ExtraByte, Split, Repeat, CablePulled };

inline bool FrameIs(const Bytes& frame, std::string_view text) {
    return frame.size() == text.size() && std::equal(text.begin(), text.end(), frame.begin());
}
inline int FrameAddress(const Bytes& frame) {
    return frame.size() >= 3 ? (frame[1] << 8) | frame[2] : -1;
}
inline bool IsReadRequest(const Bytes& frame, int address) {
    return frame.size() == 4 && frame[0] == kReadTag && FrameAddress(frame) == address;
}
inline bool IsWriteFrame(const Bytes& frame, int address) {
    return frame.size() > 4 && frame[0] == kDataFrameTag && FrameAddress(frame) == address;
}

class ScriptedRadio {
  public:
    std::string model = "MERLAN";
    std::string version = "V100";
    std::uint8_t band = 3;
    std::uint8_t featureBits = 0;
    std::uint8_t statusBits = 0;
    std::array<std::uint8_t, 16384> memory{};

    // Where the radio hangs: the port and line settings it answers on (all by default).
    std::function<bool(const PortId&, const LineSettings&)> reachable;
    // What goes wrong with the answer to `frame`; `seen` counts earlier equal frames.
    std::function<Fault(const Bytes& frame, int seen)> fault;

    std::vector<Bytes> heard;           // every frame that reached the radio
    std::vector<int> writtenAddresses;  // addresses of the data frames it stored

    explicit ScriptedRadio(FakeSerialPort& port) : port_(port) {
        // Every byte different from its neighbours, so a missing or shifted block shows.
        for (std::size_t i = 0; i < memory.size(); ++i) {
            memory[i] = static_cast<std::uint8_t>((i * 7 + i / 256) & 0xFF);
        }
        // A real radio holds one hex digit per byte in its PTT-ID code area (1536, 5 bytes
        // for each of 200 channels); the decoder would repair anything else in the image.
        for (std::size_t i = 1536; i < 1536 + 1000; ++i) memory[i] &= 0x0F;
        // Likewise the DTMF decode response (738, 0..2) and first-digit delay (740, 0..250).
        memory[738] = 1;
        memory[740] = 100;
        setPassword("");
        port_.onWrite = [this](const Bytes& frame) { hear(frame); };
    }

    // The password in bytes 0x4C..0x4F, padded with 0xFF.
    void setPassword(std::string_view password) {
        for (std::size_t i = 0; i < 4; ++i) {
            memory[0x4C + i] = i < password.size() ? static_cast<std::uint8_t>(password[i]) : 0xFF;
        }
    }

    Bytes identityBlock() const {
        Bytes block(kIdentityBlockSize, 0x00);
        block[0] = kIdentityTag;
        std::copy_n(model.begin(), std::min<std::size_t>(model.size(), 7), block.begin() + 1);
        block[8] = band;
        std::copy_n(version.begin(), std::min<std::size_t>(version.size(), 4), block.begin() + 9);
        block[13] = featureBits;
        block[14] = statusBits;
        block[15] = kAck;
        return block;
    }

    // Takes a frame written to the port (installed as the port's far side by the constructor).
    void hear(const Bytes& frame) {
        if (reachable && !reachable(port_.currentPort(), port_.currentLine())) return;
        heard.push_back(frame);
        const int seen = seen_[frame]++;
        const Fault f = fault ? fault(frame, seen) : Fault::None;
        if (f == Fault::CablePulled) {
            port_.failWrites = true;
            port_.reportError();
            return;
        }
        Bytes reply = answer(frame, f == Fault::Repeat);
        if (f == Fault::Silent || reply.empty()) {
            port_.arrive(frame);  // the cable still echoes
            return;
        }
        if (f == Fault::BadChecksum && reply.size() > 2) reply[reply.size() - 2] ^= 0xFF;
        if (f == Fault::ExtraByte) reply.push_back(0x00);
        Bytes all = frame;
        all.insert(all.end(), reply.begin(), reply.end());
        if (f == Fault::Split) {
            const auto half = static_cast<std::ptrdiff_t>(all.size() / 2);
            port_.arrive(Bytes(all.begin(), all.begin() + half));
            port_.arrive(Bytes(all.begin() + half, all.end()));
        } else {
            port_.arrive(all);
        }
    }

  private:
    Bytes answer(const Bytes& frame, bool repeat) {
        if (FrameIs(frame, "PROGRAM") || FrameIs(frame, "FALTORY")) {
            return {static_cast<std::uint8_t>(model[0]), static_cast<std::uint8_t>(model[1]), kAck};
        }
        if (FrameIs(frame, "END")) return {kAck};
        if (frame.size() == 1 && frame[0] == kIdentityRequest) return identityBlock();
        if (frame.size() == 4 && frame[0] == kReadTag) {
            const int address = FrameAddress(frame);
            return DataFrame(
                static_cast<std::uint16_t>(address),
                std::span(memory).subspan(static_cast<std::size_t>(address), frame[3]));
        }
        if (!frame.empty() && frame[0] == kDataFrameTag) {
            const std::optional<DataBlock> block = ParseDataFrame(frame);
            if (!block || repeat) return {kRepeat};
            std::copy(block->data.begin(), block->data.end(), memory.begin() + block->address);
            writtenAddresses.push_back(block->address);
            return {kAck};
        }
        return {};
    }

    FakeSerialPort& port_;
    std::map<Bytes, int> seen_;
};

}  // namespace torvik::test
