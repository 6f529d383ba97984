#include "calling/fivetone/five_tone_refs.h"

#include "functions/emergency/emergency_rules.h"

namespace torvik {

void CorrectFiveToneReferences(const FiveToneSettings& settings, ChannelTable& channels,
                               EmergencySettings& emergency) {
    for (ChannelRecord& channel : channels.used()) {
        if (channel.Signaling != kSignalingFiveTone) continue;
        channel.FiveToneNo =
            static_cast<std::int16_t>(FirstStoredFiveToneEntry(settings, channel.FiveToneNo));
    }
    if (emergency.idCodeType == kIdCodeFiveTone) {
        emergency.idCode =
            static_cast<std::uint8_t>(FirstStoredFiveToneEntry(settings, emergency.idCode));
    }
}

}  // namespace torvik
