#include "ui/channel_clipboard.h"

namespace torvik {
namespace {

void Copy(ChannelClipboard& clipboard, const ChannelTable& table, int row) {
    clipboard.filled = true;
    const ChannelRecord* channel = table.find(row);
    if (channel && channel->Used == 1) {
        clipboard.record = *channel;
    } else {
        clipboard.record.Used = 0;
    }
}

void Paste(const ChannelClipboard& clipboard, ChannelTable& table, int row) {
    if (!clipboard.filled) return;
    const ChannelRecord& held = clipboard.record;
    if (held.Used != 1) {
        DeleteChannel(table, row);
        return;
    }
    ChannelRecord* target = table.find(row);
    if (!target) target = AppendChannel(table);
    if (!target) return;  // no free slot
    *target = held;
    target->Number = static_cast<std::int16_t>(row);
}

}  // namespace

bool ApplyChannelClipboard(ChannelClipboard& clipboard, ChannelTable& table,
                           ClipboardCommand command, int row) {
    if (row < 1 || row > kChannelSlots) return false;
    switch (command) {
        case ClipboardCommand::Copy:
            Copy(clipboard, table, row);
            break;
        case ClipboardCommand::Cut:
            Copy(clipboard, table, row);
            if (clipboard.record.Used == 1) DeleteChannel(table, row);
            break;
        case ClipboardCommand::Paste:
            Paste(clipboard, table, row);
            break;
        case ClipboardCommand::Delete:
            DeleteChannel(table, row);
            break;
    }
    return true;
}

}  // namespace torvik
