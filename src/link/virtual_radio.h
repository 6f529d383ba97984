// The radio side of the programming protocol, as a TORVIK radio and its cable behave: every
// byte received is echoed, complete frames are answered from a 16 KB memory. Used by the
// virtual radio program (on a pseudo-terminal) and by tests. Faults can be injected to
// exercise the PC side's retries.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "link/frames.h"

namespace torvik {

struct VirtualRadioConfig {
    std::string model = "MERLAN";
    std::string version = "V100";
    std::uint8_t band = 3;
    std::uint8_t featureBits = 0xE0;  // 5-Tone, 2-Tone, DTMF
    bool killed = false;
    bool stunned = false;

    // Fault injection; 0 turns a fault off.
    int dropEveryNth = 0;        // leave every Nth reply unanswered
    int corruptEveryNth = 0;     // spoil the checksum of every Nth data reply
    bool splitReplies = false;   // send replies in two pieces
    int replyDelayMs = 0;        // answer this late (over 300 ms is a time-out)
    int silentAfterBlocks = 0;   // stop answering after this many block frames
    bool repeatWrites = false;   // answer every data frame with a repeat request (0x0A)
    int storeWrongEveryNth = 0;  // acknowledge every Nth data frame but store it spoilt
};

// One piece of output: bytes to send after waiting `delayMs` (counted from the previous piece).
struct RadioOutput {
    Bytes bytes;
    int delayMs = 0;
};

class VirtualRadio {
  public:
    static constexpr std::size_t kMemorySize = 16384;
    using Memory = std::array<std::uint8_t, kMemorySize>;

    VirtualRadio(VirtualRadioConfig config, const Memory& memory);

    // Takes received bytes and returns what goes back, echo first.
    std::vector<RadioOutput> receive(std::span<const std::uint8_t> bytes);

    const Memory& memory() const { return memory_; }
    // True once a write changed the memory since the last call.
    bool takeMemoryChanged();
    // Writes the password (up to 4 characters) into the password block.
    void setPassword(std::string_view password);
    // The 16 bytes at address 0, the factory tuning values.
    void setTestData(std::span<const std::uint8_t, 16> data);

  private:
    // How many bytes the frame that starts the buffer needs, or 0 for an unknown first byte.
    std::size_t frameLength() const;
    std::optional<Bytes> answer(std::span<const std::uint8_t> frame);
    Bytes identityBlock() const;

    VirtualRadioConfig config_;
    Memory memory_;
    Bytes pending_;
    bool inSession_ = false;
    bool memoryChanged_ = false;
    int replies_ = 0;
    int dataReplies_ = 0;
    int blockFrames_ = 0;
    int dataFrames_ = 0;
};

}  // namespace torvik
