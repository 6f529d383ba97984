// The main window's channel clipboard: copy, cut, paste and delete of whole channel slots on
// the channel table. A slot can be copied empty, and pasting an empty slot empties the target.
#pragma once

#include <array>
#include <string_view>

#include "codeplug/channel_record.h"

namespace torvik {

// One record and a filled flag per list; only list 0, the channel list, is ever used.
struct ChannelClipboard {
    static constexpr int kLists = 3;
    std::array<ChannelRecord, kLists> record{};
    std::array<bool, kLists> filled{};

    // A new codeplug forgets what was copied.
    void clear() { filled = {}; }
};

// Runs one clipboard command on the slot of `row` (a channel number 1..203): "C" copy, "X" cut,
// "V" paste, "D" delete. Returns true when the row may have changed and must be redrawn;
// any other command, another list or a row outside the table does nothing.
bool ApplyChannelClipboard(ChannelClipboard& clipboard, ChannelTable& table,
                           std::string_view command, int list, int row);

}  // namespace torvik
