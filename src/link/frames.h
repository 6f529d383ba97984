// The radio programming protocol's frames: what the PC sends, how a reply is recognised
// after the cable's echo, the identity block and the password carried in block 0x0040.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/settings.h"

namespace torvik {

using Bytes = std::vector<std::uint8_t>;

inline constexpr std::uint8_t kAck = 0x06;
inline constexpr std::uint8_t kRepeat = 0x0A;
inline constexpr std::uint8_t kDataFrameTag = 0x57;  // "W"
inline constexpr std::uint8_t kReadTag = 0x52;       // "R"
inline constexpr std::uint8_t kIdentityRequest = 0x02;
inline constexpr std::uint8_t kIdentityTag = 0x49;  // "I"
inline constexpr std::size_t kBlockSize = 16;
inline constexpr std::size_t kDataFrameOverhead = 6;  // "W", address, length, checksum, 0x06
inline constexpr std::size_t kIdentityBlockSize = 16;
inline constexpr std::size_t kOpenReplySize = 3;
inline constexpr std::uint16_t kPasswordBlockAddress = 0x0040;
inline constexpr std::uint16_t kTestDataBlockAddress = 0x0000;

Bytes OpenFrame();         // "PROGRAM"
Bytes FactoryOpenFrame();  // "FALTORY"
Bytes IdentityRequestFrame();
Bytes ReadRequestFrame(std::uint16_t address, std::uint8_t length = kBlockSize);
Bytes DataFrame(std::uint16_t address, std::span<const std::uint8_t> data);
Bytes EndFrame();  // "END"

// Low 8 bits of the sum of the address bytes, the length byte and the data bytes.
std::uint8_t BlockChecksum(std::uint16_t address, std::span<const std::uint8_t> data);

// A data frame found after the echo: address and data, when every check passed (tag, exact
// length from the length byte, trailing 0x06, checksum).
struct DataBlock {
    std::uint16_t address = 0;
    Bytes data;
};
std::optional<DataBlock> ParseDataFrame(std::span<const std::uint8_t> afterEcho);

// The open reply: the first two characters of the model identity, then 0x06.
bool IsOpenReply(std::span<const std::uint8_t> afterEcho, std::string_view modelId);

struct IdentityReply {
    std::string model;
    std::string version;
    std::int16_t bandCode = 0;
    std::uint8_t featureBits = 0;
    bool killed = false;
    bool stunned = false;
};

// The 16-byte identity block, or nothing when it does not start with "I" and end with 0x06.
std::optional<IdentityReply> ParseIdentityBlock(std::span<const std::uint8_t> afterEcho);

// Feature bits only switch flags on: a flag already on stays on.
void ApplyFeatureBits(FeatureFlags& flags, std::uint8_t featureBits);

// The radio password held in the 16 data bytes of block 0x0040 (bytes 12..15, ending at the
// first 0x00 or 0xFF), right-trimmed.
std::string RadioPassword(std::span<const std::uint8_t> blockData);

}  // namespace torvik
