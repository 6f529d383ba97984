// Whole channel slots as the clipboard moves them: a copied slot holds a channel or is empty,
// and pasting an empty slot empties its row. Rows are channel numbers 1..203.
#pragma once

#include <optional>
#include <vector>

#include "codeplug/channel_record.h"

namespace torvik {

using ChannelSlot = std::optional<ChannelRecord>;

// The slots of `rows`, in that order.
std::vector<ChannelSlot> CopyChannelSlots(const ChannelTable& table, const std::vector<int>& rows);

// Empties the slots of `rows` (Cut, Delete); the rows keep their places.
void EmptyChannelSlots(ChannelTable& table, const std::vector<int>& rows);

// Pastes `slots` into the rows from `firstRow` down. They stay within the first row's block
// (memory channels 1..200, or PA, PB and VFO), so channels never spill into the special rows.
// A channel pasted into an empty row goes to the end of the table. Returns how many slots had
// no place: below the block's end, or no free record in the table.
int PasteChannelSlots(ChannelTable& table, int firstRow, const std::vector<ChannelSlot>& slots);

}  // namespace torvik
