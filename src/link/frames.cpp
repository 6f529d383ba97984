#include "link/frames.h"

#include "codeplug/band.h"
#include "codeplug/fixed_text.h"

namespace torvik {
namespace {

Bytes Ascii(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

constexpr std::size_t kIdentityModel = 1;
constexpr std::size_t kIdentityModelBytes = 7;
constexpr std::size_t kIdentityBand = 8;
constexpr std::size_t kIdentityVersion = 9;
constexpr std::size_t kIdentityVersionBytes = 4;
constexpr std::size_t kIdentityFeatures = 13;
constexpr std::size_t kIdentityStatus = 14;
constexpr std::size_t kPasswordFirst = 12;
constexpr std::size_t kPasswordBytes = 4;

bool IsPadding(std::uint8_t b) {
    return b == 0x00 || b == 0xFF;
}

}  // namespace

Bytes OpenFrame() {
    return Ascii("PROGRAM");
}
Bytes FactoryOpenFrame() {
    return Ascii("FALTORY");
}
Bytes IdentityRequestFrame() {
    return {kIdentityRequest};
}
Bytes EndFrame() {
    return Ascii("END");
}

Bytes ReadRequestFrame(std::uint16_t address, std::uint8_t length) {
    return {kReadTag, static_cast<std::uint8_t>(address >> 8),
            static_cast<std::uint8_t>(address & 0xFF), length};
}

std::uint8_t BlockChecksum(std::uint16_t address, std::span<const std::uint8_t> data) {
    unsigned sum = (address >> 8) + (address & 0xFF) + static_cast<unsigned>(data.size());
    for (std::uint8_t b : data) sum += b;
    return static_cast<std::uint8_t>(sum & 0xFF);
}

Bytes DataFrame(std::uint16_t address, std::span<const std::uint8_t> data) {
    Bytes frame;
    frame.reserve(data.size() + kDataFrameOverhead);
    frame.push_back(kDataFrameTag);
    frame.push_back(static_cast<std::uint8_t>(address >> 8));
    frame.push_back(static_cast<std::uint8_t>(address & 0xFF));
    frame.push_back(static_cast<std::uint8_t>(data.size()));
    for (std::uint8_t b : data) frame.push_back(b);
    frame.push_back(BlockChecksum(address, data));
    frame.push_back(kAck);
    return frame;
}

std::optional<DataBlock> ParseDataFrame(std::span<const std::uint8_t> r) {
    if (r.size() < kBlockSize + kDataFrameOverhead || r[0] != kDataFrameTag) return std::nullopt;
    const std::size_t length = r[3];
    if (r.size() != length + kDataFrameOverhead || r.back() != kAck) return std::nullopt;
    DataBlock block;
    block.address = static_cast<std::uint16_t>((r[1] << 8) | r[2]);
    block.data.assign(r.begin() + 4, r.begin() + 4 + static_cast<std::ptrdiff_t>(length));
    if (BlockChecksum(block.address, block.data) != r[4 + length]) return std::nullopt;
    return block;
}

bool IsOpenReply(std::span<const std::uint8_t> r, std::string_view modelId) {
    return r.size() == kOpenReplySize && modelId.size() >= 2 && r[0] == modelId[0] &&
           r[1] == modelId[1] && r[2] == kAck;
}

std::optional<IdentityReply> ParseIdentityBlock(std::span<const std::uint8_t> r) {
    if (r.size() != kIdentityBlockSize || r[0] != kIdentityTag || r.back() != kAck) {
        return std::nullopt;
    }
    IdentityReply reply;
    for (std::uint8_t b : r.subspan(kIdentityModel, kIdentityModelBytes)) {
        if (IsPadding(b)) break;
        reply.model += static_cast<char>(b);
    }
    reply.bandCode = NormalizeRadioBand(r[kIdentityBand]);
    // Padding bytes inside the version are skipped, not taken as its end.
    for (std::uint8_t b : r.subspan(kIdentityVersion, kIdentityVersionBytes)) {
        if (!IsPadding(b)) reply.version += static_cast<char>(b);
    }
    reply.featureBits = r[kIdentityFeatures];
    reply.killed = (r[kIdentityStatus] & 0x01) != 0;
    reply.stunned = (r[kIdentityStatus] & 0x02) != 0;
    return reply;
}

void ApplyFeatureBits(FeatureFlags& flags, std::uint8_t bits) {
    auto raise = [](std::int16_t& flag, bool on) {
        if (on) flag = 1;
    };
    raise(flags.Has5Tone, bits & 0x80);
    raise(flags.Has2Tone, bits & 0x40);
    raise(flags.HasDTMF, bits & 0x20);
    raise(flags.HasFeature4, bits & 0x10);
}

std::string RadioPassword(std::span<const std::uint8_t> blockData) {
    std::string password;
    for (std::uint8_t b : blockData.subspan(kPasswordFirst, kPasswordBytes)) {
        if (IsPadding(b)) break;
        password += static_cast<char>(b);
    }
    return CutAtNul(password);
}

}  // namespace torvik
