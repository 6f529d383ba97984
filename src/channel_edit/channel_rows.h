// The channel list as text: the row labels, the column headers and the rule that turns a
// channel record into the cells of its row. Plain C++ so the rule is tested and timed without
// widgets; the list model only shows what this gives.
#pragma once

#include <array>
#include <string>

#include "codeplug/band.h"
#include "codeplug/channel_record.h"
#include "platform/reporter.h"

namespace torvik {

inline constexpr int kChannelListColumns = 11;
// Grid rows 1..203 (row 0 is the header): one per channel number.
inline constexpr int kChannelListRows = kChannelSlots;
// The column that carries the signalling relation is kept but never seen.
inline constexpr int kHiddenChannelColumn = 6;

using ChannelCells = std::array<std::string, kChannelListColumns>;

// Which redraw writes a row: the whole-list rebuild and the one-row refresh show an
// out-of-range bandwidth differently.
enum class GridRefresh { Full, OneRow };

// Header texts of the columns (two-key headers on two lines).
ChannelCells ChannelListHeaders(const Reporter& texts);

// The cells of a row whose channel exists; cell 0 is the row label. Out-of-range stored
// values are clamped for display only. Messages of the frequency conversion go to `reporter`.
ChannelCells ChannelRowCells(const ChannelRecord& channel, const Band& band, Reporter& reporter,
                             GridRefresh refresh);

}  // namespace torvik
