// The main window's channel clipboard: copy, cut, paste and delete of whole channel slots on
// a channel table. A slot can be copied empty, and pasting an empty slot empties the target.
#pragma once

#include "codeplug/channel_record.h"

namespace torvik {

enum class ClipboardCommand { Copy, Cut, Paste, Delete };

struct ChannelClipboard {
    ChannelRecord record{};
    bool filled = false;

    // A new codeplug forgets what was copied.
    void clear() { filled = false; }
};

// Runs one clipboard command on the slot of `row` (a channel number 1..203). Returns true
// when the row may have changed; a row outside the table does nothing.
bool ApplyChannelClipboard(ChannelClipboard& clipboard, ChannelTable& table,
                           ClipboardCommand command, int row);

}  // namespace torvik
