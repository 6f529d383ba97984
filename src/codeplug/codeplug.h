// The codeplug being edited: one object holding the radio image, the channel table, the
// band, the identity of the radio last talked to and every function-setting record.
// Whoever needs it gets it by reference; tests make as many as they like.
#pragma once

#include "codeplug/band.h"
#include "codeplug/channel_record.h"
#include "codeplug/identity.h"
#include "codeplug/radio_image.h"

namespace torvik {

struct Codeplug {
    // Transfer buffer only: filled and decoded around radio transfers, never saved.
    RadioImage image;
    ChannelTable channels;
    Band band;
    RadioIdentity identity;
};

}  // namespace torvik
