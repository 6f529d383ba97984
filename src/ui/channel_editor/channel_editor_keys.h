// The language-file keys only the channel editor's window uses; the keys of the channel's
// fields and list entries are shared with the list and the report (channel_edit/channel_keys.h).
#pragma once

#include "channel_edit/channel_keys.h"

namespace torvik {

inline constexpr int kKeyChannelEditCaption = 1300;
inline constexpr int kKeyChannelDcsInverted = 1301;

}  // namespace torvik
