#include "ui/channel_clipboard.h"

#include <algorithm>

namespace torvik {
namespace {

void Copy(ChannelClipboard& clipboard, const ChannelTable& table, int list, int row) {
    clipboard.filled[static_cast<std::size_t>(list)] = true;
    ChannelRecord& held = clipboard.record[static_cast<std::size_t>(list)];
    const ChannelRecord* channel = table.find(row);
    if (channel && channel->Used == 1) {
        held = *channel;
    } else {
        held.Used = 0;
    }
}

void Paste(const ChannelClipboard& clipboard, ChannelTable& table, int list, int row) {
    if (!clipboard.filled[static_cast<std::size_t>(list)]) return;
    const ChannelRecord& held = clipboard.record[static_cast<std::size_t>(list)];
    if (held.Used != 1) {
        DeleteChannel(table, row);
        return;
    }
    if (ChannelRecord* target = table.find(row)) {
        *target = held;
        target->Number = static_cast<std::int16_t>(row);
        return;
    }
    if (table.ChannelCount < 0 || table.ChannelCount >= kChannelSlots) return;
    ChannelRecord& appended = table.records[static_cast<std::size_t>(table.ChannelCount)];
    appended = held;
    appended.Number = static_cast<std::int16_t>(row);
    ++table.ChannelCount;
}

}  // namespace

bool ApplyChannelClipboard(ChannelClipboard& clipboard, ChannelTable& table,
                           std::string_view command, int list, int row) {
    if (list != 0 || row < 1 || row > kChannelSlots) return false;
    if (command == "C") {
        Copy(clipboard, table, list, row);
    } else if (command == "X") {
        Copy(clipboard, table, list, row);
        if (clipboard.record[static_cast<std::size_t>(list)].Used == 1) DeleteChannel(table, row);
    } else if (command == "V") {
        Paste(clipboard, table, list, row);
    } else if (command == "D") {
        DeleteChannel(table, row);
    } else {
        return false;
    }
    return true;
}

}  // namespace torvik
