// The rules that keep references between areas sound, applied to a whole editable codeplug at
// once: whatever changed it (an editor, an import, a paste, a fleet unit's values) hands the
// result here before it is kept, so no single dialog has to remember them.
#pragma once

#include "aggregate/codeplug_record.h"
#include "codeplug/channel_record.h"

namespace torvik {

// - A 2-Tone or 5-Tone channel whose code is no longer stored points at the first stored
//   code; so does a 5-Tone emergency ID code.
// - The emergency channel and both scan priority channels point at channels that exist
//   ("none" stays none).
// - The scan revert choice is one its priority mode offers.
// Sound references are left exactly as they are.
void RepairReferences(ChannelTable& channels, CodeplugRecord& record);

}  // namespace torvik
