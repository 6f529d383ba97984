// The radio's 16 bytes of factory tuning values (radio addresses 0..15). The codeplug keeps
// them beside the image; reading and writing them as ".ted" files is the factory layer's.
#pragma once

#include <array>
#include <cstdint>

namespace torvik {

using TestData = std::array<std::uint8_t, 16>;

}  // namespace torvik
