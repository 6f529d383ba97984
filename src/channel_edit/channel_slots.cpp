#include "channel_edit/channel_slots.h"

namespace torvik {

std::vector<ChannelSlot> CopyChannelSlots(const ChannelTable& table, const std::vector<int>& rows) {
    std::vector<ChannelSlot> slots;
    for (const int row : rows) {
        const ChannelRecord* channel = table.find(row);
        slots.push_back(channel && channel->Used == 1 ? ChannelSlot(*channel) : std::nullopt);
    }
    return slots;
}

void EmptyChannelSlots(ChannelTable& table, const std::vector<int>& rows) {
    for (const int row : rows) DeleteChannel(table, row);
}

int PasteChannelSlots(ChannelTable& table, const int firstRow,
                      const std::vector<ChannelSlot>& slots) {
    if (firstRow < 1 || firstRow > kChannelSlots) return static_cast<int>(slots.size());
    const int blockEnd = firstRow <= kMemoryChannels ? kMemoryChannels : kChannelSlots;
    int unplaced = 0;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const int row = firstRow + static_cast<int>(i);
        if (row > blockEnd) {
            ++unplaced;
            continue;
        }
        if (!slots[i]) {
            DeleteChannel(table, row);
            continue;
        }
        ChannelRecord* target = table.find(row);
        if (!target) target = AppendChannel(table);
        if (!target) {
            ++unplaced;
            continue;
        }
        *target = *slots[i];
        target->Number = static_cast<std::int16_t>(row);
    }
    return unplaced;
}

}  // namespace torvik
