// The texts the channel list and the printed report show for a channel's tones and
// signalling, shared so both say the same.
#pragma once

#include <string>

#include "codeplug/channel_record.h"
#include "platform/reporter.h"

namespace torvik {

// The receive (or transmit) tone as shown: CTCSS in Hz, "D023N"/"D023I", or the word for
// none. A CTCSS index or DCS code outside its table shows as the first entry.
std::string ChannelToneText(int toneType, int ctcss, int dcs, int dcsInvert, const Reporter& texts);

// The signalling as shown: "DTMF M3", "2tone 5", "5tone 12", or the word for none.
std::string ChannelSignalingText(const ChannelRecord& channel, const Reporter& texts);

}  // namespace torvik
