#include "link/link_state.h"

namespace torvik {
namespace {

constexpr std::int32_t kReadStart = 0x0010;
constexpr std::int32_t kWriteStart = 0x0100;  // a write leaves the radio's own blocks alone
constexpr std::int32_t kImageEnd = 0x3FF0;
constexpr std::int32_t kInfoEnd = 0x00FF;

}  // namespace

bool BoundsFor(LinkMode mode, ConnectionBounds& bounds) {
    switch (mode) {
        case LinkMode::Read:
            bounds = {kReadStart, kImageEnd};
            return true;
        case LinkMode::Write:
            bounds = {kWriteStart, kImageEnd};
            return true;
        case LinkMode::InfoRead:
            bounds = {kReadStart, kInfoEnd};
            return true;
        default:
            return false;
    }
}

std::size_t BlockCount(const ConnectionBounds& bounds, std::int32_t blockSize) {
    if (blockSize <= 0 || bounds.EndAddress < bounds.StartAddress) return 0;
    return static_cast<std::size_t>((bounds.EndAddress - bounds.StartAddress) / blockSize + 1);
}

void ResetRetries(LinkState& state) {
    state.ProgramRetries = kSendsPerFrame;
    state.IdentityRetries = kSendsPerFrame;
    state.PasswordRetries = kSendsPerFrame;
    const std::int32_t blockSize =
        state.Mode == LinkMode::Write ? state.WriteBlockSize : state.ReadBlockSize;
    state.RetryTable.assign(BlockCount({state.StartAddress, state.EndAddress}, blockSize),
                            kSendsPerFrame);
}

std::int16_t ProgressPercent(std::int32_t blockAddress, std::int32_t startAddress,
                             std::int32_t endAddress, std::int32_t blockSize) {
    const std::int64_t numerator = std::int64_t{blockAddress - startAddress} * 100;
    const std::int64_t denominator = endAddress - startAddress + blockSize;
    if (denominator <= 0 || numerator <= 0) return 0;
    std::int64_t quotient = numerator / denominator;
    const std::int64_t twiceRest = 2 * (numerator % denominator);
    if (twiceRest > denominator || (twiceRest == denominator && quotient % 2 == 1)) ++quotient;
    return static_cast<std::int16_t>(quotient);
}

}  // namespace torvik
