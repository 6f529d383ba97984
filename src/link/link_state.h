// The state of the one radio connection: what kind it is, which step it has reached, the
// block in transfer and the sends left for every frame.
#pragma once

#include <cstdint>
#include <vector>

namespace torvik {

enum class LinkMode : std::int32_t { Idle = 0, Read = 1, Write = 2, InfoRead = 3, Search = 9 };

// What the connection waits for; the numbers are the ones support staff know from traces.
enum class LinkStep : std::int16_t {
    None = 0,
    Open = 1,              // the open reply
    Identity = 2,          // the identity block
    Password = 3,          // the password block
    Blocks = 4,            // data blocks, their acknowledgements, or the test-data block
    FactoryTestRead = 31,  // the test-data block of a factory write
    Restart = 45,          // END acknowledged, then start again from the open frame
    Finish = 69,           // END acknowledged, then done
    Stopping = 99,         // END acknowledged after the user stopped the connection
};

// How a connection ended.
enum class SessionEnd { Success, Failure, Cancelled };

inline constexpr int kWaitTimeMs = 300;
// Every frame is sent at most this many times before its step gives up.
inline constexpr std::int16_t kSendsPerFrame = 3;
// A radio may ask for the same data frame again (0x0A) this many times; one more request
// ends the connection, so a radio stuck on one frame cannot keep it alive forever.
inline constexpr int kRepeatsPerFrame = 10;

struct LinkState {
    LinkMode Mode = LinkMode::Idle;
    LinkStep Step = LinkStep::None;
    std::int32_t EchoLength = 0;
    std::int32_t BlockAddress = 0;
    std::int32_t StartAddress = 0;
    std::int32_t EndAddress = 0;
    std::int32_t ReadBlockSize = 16;
    std::int32_t WriteBlockSize = 16;
    std::int16_t LastPercent = 0;
    std::int16_t ProgramRetries = kSendsPerFrame;
    std::int16_t IdentityRetries = kSendsPerFrame;
    std::int16_t PasswordRetries = kSendsPerFrame;
    std::vector<std::int16_t> RetryTable;
    bool FactoryWritePending = false;
};

struct ConnectionBounds {
    std::int32_t StartAddress = 0;
    std::int32_t EndAddress = 0;
};

// The blocks a connection moves: Read 0x0010..0x3FF0, Write 0x0100..0x3FF0, InfoRead
// 0x0010..0x00F0. Nothing for the other modes.
bool BoundsFor(LinkMode mode, ConnectionBounds& bounds);

// Number of blocks of a connection, one RetryTable entry each.
std::size_t BlockCount(const ConnectionBounds& bounds, std::int32_t blockSize);

// Every send counter back to its full count, one RetryTable entry per block.
void ResetRetries(LinkState& state);

// The share of the connection done when the block at `blockAddress` goes out, in percent,
// rounded to the nearest integer with halves to even.
std::int16_t ProgressPercent(std::int32_t blockAddress, std::int32_t startAddress,
                             std::int32_t endAddress, std::int32_t blockSize);

}  // namespace torvik
