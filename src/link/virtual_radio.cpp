#include "link/virtual_radio.h"

#include <algorithm>
#include <cstring>

namespace torvik {
namespace {

constexpr std::size_t kOpenFrameLength = 7;
constexpr std::size_t kEndFrameLength = 3;
constexpr std::size_t kReadRequestLength = 4;
constexpr std::size_t kDataHeaderLength = 4;
constexpr std::size_t kPasswordOffset = 0x4C;
constexpr std::size_t kPasswordLength = 4;

bool StartsWith(std::span<const std::uint8_t> bytes, std::string_view text) {
    return bytes.size() >= text.size() && std::equal(text.begin(), text.end(), bytes.begin());
}

}  // namespace

VirtualRadio::VirtualRadio(VirtualRadioConfig config, const Memory& memory)
    : config_(std::move(config)), memory_(memory) {}

bool VirtualRadio::takeMemoryChanged() {
    const bool changed = memoryChanged_;
    memoryChanged_ = false;
    return changed;
}

void VirtualRadio::setPassword(std::string_view password) {
    for (std::size_t i = 0; i < kPasswordLength; ++i) {
        memory_[kPasswordOffset + i] =
            i < password.size() ? static_cast<std::uint8_t>(password[i]) : 0xFF;
    }
}

void VirtualRadio::setTestData(std::span<const std::uint8_t, 16> data) {
    std::copy(data.begin(), data.end(), memory_.begin());
}

std::size_t VirtualRadio::frameLength() const {
    switch (pending_.front()) {
        case 'P':
        case 'F':
            return kOpenFrameLength;
        case 'E':
            return kEndFrameLength;
        case kIdentityRequest:
            return 1;
        case kReadTag:
            return kReadRequestLength;
        case kDataFrameTag:
            return pending_.size() < kDataHeaderLength ? kDataHeaderLength
                                                       : pending_[3] + kDataFrameOverhead;
        default:
            return 0;
    }
}

Bytes VirtualRadio::identityBlock() const {
    Bytes block(kIdentityBlockSize, 0x00);
    block[0] = kIdentityTag;
    for (std::size_t i = 0; i < 7 && i < config_.model.size(); ++i) {
        block[1 + i] = static_cast<std::uint8_t>(config_.model[i]);
    }
    block[8] = config_.band;
    for (std::size_t i = 0; i < 4 && i < config_.version.size(); ++i) {
        block[9 + i] = static_cast<std::uint8_t>(config_.version[i]);
    }
    block[13] = config_.featureBits;
    block[14] = static_cast<std::uint8_t>((config_.killed ? 1 : 0) | (config_.stunned ? 2 : 0));
    block[15] = kAck;
    return block;
}

std::optional<Bytes> VirtualRadio::answer(std::span<const std::uint8_t> frame) {
    if (StartsWith(frame, "PROGRAM") || StartsWith(frame, "FALTORY")) {
        inSession_ = true;
        return Bytes{static_cast<std::uint8_t>(config_.model[0]),
                     static_cast<std::uint8_t>(config_.model[1]), kAck};
    }
    if (!inSession_) return std::nullopt;
    if (StartsWith(frame, "END")) {
        inSession_ = false;
        return Bytes{kAck};
    }
    if (frame[0] == kIdentityRequest) return identityBlock();

    const std::uint16_t address = static_cast<std::uint16_t>((frame[1] << 8) | frame[2]);
    const std::size_t length = frame[3];
    if (address + length > kMemorySize) return std::nullopt;
    if (config_.silentAfterBlocks > 0 && ++blockFrames_ > config_.silentAfterBlocks) {
        return std::nullopt;
    }
    if (frame[0] == kReadTag) {
        Bytes reply = DataFrame(address, std::span(memory_).subspan(address, length));
        if (config_.corruptEveryNth > 0 && ++dataReplies_ % config_.corruptEveryNth == 0) {
            reply[reply.size() - 2] ^= 0xFF;
        }
        return reply;
    }
    // A data frame from the PC: checked, stored, acknowledged; a bad one is asked for again.
    const std::optional<DataBlock> block = ParseDataFrame(frame);
    if (!block || config_.repeatWrites) return Bytes{kRepeat};
    std::copy(block->data.begin(), block->data.end(), memory_.begin() + block->address);
    if (config_.storeWrongEveryNth > 0 && ++dataFrames_ % config_.storeWrongEveryNth == 0) {
        memory_[block->address] ^= 0xFF;  // acknowledged all the same
    }
    memoryChanged_ = true;
    return Bytes{kAck};
}

std::vector<RadioOutput> VirtualRadio::receive(std::span<const std::uint8_t> bytes) {
    std::vector<RadioOutput> out;
    // The cable echoes every byte straight back.
    out.push_back({Bytes(bytes.begin(), bytes.end()), 0});
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());

    while (!pending_.empty()) {
        const std::size_t length = frameLength();
        if (length == 0) {
            pending_.erase(pending_.begin());  // noise: not the start of any frame
            continue;
        }
        if (pending_.size() < length) break;
        const Bytes frame(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(length));
        pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(length));

        std::optional<Bytes> reply = answer(frame);
        if (!reply) continue;
        if (config_.dropEveryNth > 0 && ++replies_ % config_.dropEveryNth == 0) continue;
        if (config_.splitReplies && reply->size() > 1) {
            const std::size_t half = reply->size() / 2;
            out.push_back(
                {Bytes(reply->begin(), reply->begin() + static_cast<std::ptrdiff_t>(half)),
                 config_.replyDelayMs});
            out.push_back(
                {Bytes(reply->begin() + static_cast<std::ptrdiff_t>(half), reply->end()), 5});
        } else {
            out.push_back({std::move(*reply), config_.replyDelayMs});
        }
    }
    return out;
}

}  // namespace torvik
