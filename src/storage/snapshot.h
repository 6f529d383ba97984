// The snapshot of the codeplug as last opened, saved, made new or read from the radio, and
// the test of whether the live codeplug differs from it.
#pragma once

#include "aggregate/codeplug.h"

namespace torvik {

// Live to snapshot; the live record's SavedBandCode and ChannelCount are brought up to date.
void TakeSnapshot(Codeplug& codeplug);

// Snapshot to live, including the band.
void RestoreSnapshot(Codeplug& codeplug);

// A completed read: the codeplug holds the radio's band and image, decoded. It becomes an
// untitled "new.dat" and the state to compare with.
void AdoptReadCodeplug(Codeplug& codeplug);

// True when the live codeplug differs from the snapshot: band, channel count, any channel
// (compared with the snapshot channel of the same number), any function record, the test
// data in factory mode.
bool IsModified(const Codeplug& codeplug);

}  // namespace torvik
