// Rearranging the memory channels (numbers 1..200, listed as 0..199) of a codeplug: insert an
// empty channel, delete rows closing the gap, move rows up or down, sort rows by a column.
// Each works on the channel table and the function records together, from one state to the
// next, so the window commits the result as one undo step. PA, PB and VFO never move, and
// every setting that names a memory channel (the scan priority channels, the emergency
// channel, the power-on channel) follows the channel it names; a setting whose channel was
// deleted falls back as its editor does for a missing channel.
#pragma once

#include <functional>
#include <map>
#include <vector>

#include "aggregate/codeplug_record.h"
#include "codeplug/channel_record.h"

namespace torvik {

// Where each memory channel goes: old number -> new number, 0 for a channel deleted.
// Numbers not in the map stay where they are.
using ChannelRenumbering = std::map<int, int>;

// Gives every used memory channel its new number, drops the deleted ones, and points the
// settings that name memory channels at the same channels. False (nothing changed) when two
// channels would end up with one number or a number falls outside 1..200.
bool Renumber(ChannelTable& channels, CodeplugRecord& record, const ChannelRenumbering& moves);

// An empty memory channel at `number`; the used channels from there on move down by one.
// Refused (with the reason) when the last memory channel holds data or `number` is not a
// memory channel.
enum class ReorderRefusal { None, NotMemoryChannel, LastChannelInUse, AtTheEdge };
ReorderRefusal InsertEmptyChannel(ChannelTable& channels, CodeplugRecord& record, int number);

// Removes the rows `numbers` (used or empty); later memory channels move up to close the gaps.
ReorderRefusal DeleteRowsClosingGap(ChannelTable& channels, CodeplugRecord& record,
                                    const std::vector<int>& numbers);

// Moves the rows `numbers` one place up (towards channel 1) or down, each passing the
// neighbour that is not moving. Refused when a row would leave 1..200.
ReorderRefusal MoveRows(ChannelTable& channels, CodeplugRecord& record,
                        const std::vector<int>& numbers, bool up);

// The channels of the rows `numbers` in a new order over the same rows, as `less` orders them
// (a stable sort: equal channels keep their order); used channels come before empty rows.
using ChannelOrder = std::function<bool(const ChannelRecord& a, const ChannelRecord& b)>;
ReorderRefusal SortRows(ChannelTable& channels, CodeplugRecord& record,
                        const std::vector<int>& numbers, const ChannelOrder& less);

// The order of a list column (channel_cells.h numbers them): frequencies by value, the
// transmit frequency with its shift, names by their bytes, list columns by their entries'
// order, tones by kind then tone. `descending` turns it round.
ChannelOrder ColumnOrder(int column, bool descending);

// Every row `numbers` moves, in its order, to sit together before the row `before` (a memory
// channel 1..201; 201: after the last); the rows between close up. This is a drop of dragged
// rows. Refused for rows outside the memory channels.
ReorderRefusal MoveRowsTo(ChannelTable& channels, CodeplugRecord& record,
                          const std::vector<int>& numbers, int before);

}  // namespace torvik
