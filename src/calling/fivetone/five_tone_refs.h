// Keeping references into the 5-Tone code table valid after the table was edited: channels
// that signal with 5-Tone and the emergency alarm's 5-Tone ID code.
#pragma once

#include "calling/fivetone/five_tone_settings.h"
#include "codeplug/channel_record.h"
#include "functions/emergency/emergency_settings.h"

namespace torvik {

// Every 5-Tone channel whose entry is no longer stored points at the first stored entry.
void CorrectFiveToneChannels(const FiveToneSettings& settings, ChannelTable& channels);

// Every 5-Tone channel and a 5-Tone emergency ID code whose entry is no longer stored point
// at the first stored entry (0 when none is).
void CorrectFiveToneReferences(const FiveToneSettings& settings, ChannelTable& channels,
                               EmergencySettings& emergency);

}  // namespace torvik
