// Which signalling systems the user interface offers. They only grow while the program runs
// (a radio reporting a feature switches it on) and are kept between runs.
#pragma once

#include <cstdint>

namespace torvik {

struct FeatureFlags {
    std::int16_t Has5Tone = 0;
    std::int16_t Has2Tone = 0;
    std::int16_t HasDTMF = 0;
    std::int16_t HasFeature4 = 0;
    bool operator==(const FeatureFlags&) const = default;
};

}  // namespace torvik
