// The memory-channel references held by the emergency and scan settings: the channels an
// editor offers for them, and their repair after the channel table has changed.
#pragma once

#include <vector>

#include "codeplug/channel_record.h"
#include "functions/emergency/emergency_settings.h"
#include "functions/scan/scan_settings.h"

namespace torvik {

// The numbers 1..200 of the used memory channels, each once, ascending. Lists show a
// channel n as the number n - 1.
std::vector<int> MemoryChannelChoices(const ChannelTable& table);

// Points the emergency channel and both priority channels at channels that still exist
// (ValidChannelRef). A reference of 0 means "none" and stays none.
void RepairChannelRefs(EmergencySettings& emergency, ScanSettings& scan, const ChannelTable& table);

}  // namespace torvik
