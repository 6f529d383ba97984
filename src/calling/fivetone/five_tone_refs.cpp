#include "calling/fivetone/five_tone_refs.h"

#include "functions/emergency/emergency_rules.h"

namespace torvik {

void CorrectFiveToneChannels(const FiveToneSettings& settings, ChannelTable& channels) {
    for (ChannelRecord& channel : channels.used()) {
        if (channel.Signaling != kSignalingFiveTone) continue;
        channel.FiveToneNo =
            static_cast<std::int16_t>(FirstStoredFiveToneEntry(settings, channel.FiveToneNo));
    }
}

void CorrectFiveToneReferences(const FiveToneSettings& settings, ChannelTable& channels,
                               EmergencySettings& emergency) {
    CorrectFiveToneChannels(settings, channels);
    if (emergency.idCodeType == kIdCodeFiveTone) {
        emergency.idCode =
            static_cast<std::uint8_t>(FirstStoredFiveToneEntry(settings, emergency.idCode));
    }
}

}  // namespace torvik
