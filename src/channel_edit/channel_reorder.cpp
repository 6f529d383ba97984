#include "channel_edit/channel_reorder.h"

#include <algorithm>
#include <optional>
#include <set>

namespace torvik {
namespace {

bool IsMemoryChannel(int number) {
    return number >= 1 && number <= kMemoryChannels;
}

// The sorted, distinct memory-channel numbers of a selection; nothing when one is not a
// memory channel.
std::optional<std::vector<int>> MemoryRows(const std::vector<int>& numbers) {
    std::set<int> rows;
    for (const int n : numbers) {
        if (!IsMemoryChannel(n)) return std::nullopt;
        rows.insert(n);
    }
    return std::vector<int>(rows.begin(), rows.end());
}

// A 1-based memory-channel reference (0 none) after the move.
template <class T>
void Follow(T& reference, const ChannelRenumbering& moves, const ChannelTable& after) {
    const auto it = moves.find(int(reference));
    if (reference == 0 || it == moves.end()) return;
    // A deleted channel: the setting falls back as its editor does for a missing channel.
    reference = static_cast<T>(it->second != 0 ? it->second : ValidChannelRef(after, 0));
}

// The power-on channel holds a channel number - 1; PA and PB (200, 201) do not move.
void FollowPowerOnChannel(std::int16_t& held, const ChannelRenumbering& moves,
                          const ChannelTable& after) {
    const auto it = moves.find(held + 1);
    if (it == moves.end()) return;
    if (it->second != 0) {
        held = static_cast<std::int16_t>(it->second - 1);
        return;
    }
    // Deleted: the option editor shows its first entry, the lowest channel still used.
    int lowest = 0;
    for (const ChannelRecord& c : after.used()) {
        if (c.Number >= 1 && c.Number <= kChannelPB && (lowest == 0 || c.Number < lowest)) {
            lowest = c.Number;
        }
    }
    held = static_cast<std::int16_t>(lowest == 0 ? 0 : lowest - 1);
}

}  // namespace

bool Renumber(ChannelTable& channels, CodeplugRecord& record, const ChannelRenumbering& moves) {
    std::set<int> taken;
    std::vector<ChannelRecord> kept;
    for (const ChannelRecord& c : channels.used()) {
        const auto it = moves.find(c.Number);
        if (it == moves.end()) {
            if (!taken.insert(c.Number).second) return false;
            kept.push_back(c);
            continue;
        }
        if (it->second == 0) continue;  // deleted
        if (!IsMemoryChannel(it->second) || !taken.insert(it->second).second) return false;
        kept.push_back(c);
        kept.back().Number = static_cast<std::int16_t>(it->second);
    }
    // The channels keep their order in the table; freed slots become empty, as a delete
    // leaves them.
    const std::size_t before = channels.used().size();
    for (std::size_t i = 0; i < before; ++i) {
        channels.records[i] = i < kept.size() ? kept[i] : ChannelRecord{};
    }
    channels.ChannelCount = static_cast<std::int16_t>(kept.size());
    Follow(record.scan.priorityChannel1, moves, channels);
    Follow(record.scan.priorityChannel2, moves, channels);
    Follow(record.emergency.emergencyChannel, moves, channels);
    FollowPowerOnChannel(record.options.powerOnChannel, moves, channels);
    return true;
}

ReorderRefusal InsertEmptyChannel(ChannelTable& channels, CodeplugRecord& record, int number) {
    if (!IsMemoryChannel(number)) return ReorderRefusal::NotMemoryChannel;
    if (ChannelExists(channels, kMemoryChannels)) return ReorderRefusal::LastChannelInUse;
    ChannelRenumbering moves;
    for (int n = number; n < kMemoryChannels; ++n) moves[n] = n + 1;
    Renumber(channels, record, moves);
    return ReorderRefusal::None;
}

ReorderRefusal DeleteRowsClosingGap(ChannelTable& channels, CodeplugRecord& record,
                                    const std::vector<int>& numbers) {
    const auto rows = MemoryRows(numbers);
    if (!rows) return ReorderRefusal::NotMemoryChannel;
    ChannelRenumbering moves;
    int removed = 0;
    for (int n = 1; n <= kMemoryChannels; ++n) {
        if (std::binary_search(rows->begin(), rows->end(), n)) {
            moves[n] = 0;
            ++removed;
        } else if (removed > 0) {
            moves[n] = n - removed;
        }
    }
    Renumber(channels, record, moves);
    return ReorderRefusal::None;
}

ReorderRefusal MoveRows(ChannelTable& channels, CodeplugRecord& record,
                        const std::vector<int>& numbers, bool up) {
    const auto rows = MemoryRows(numbers);
    if (!rows) return ReorderRefusal::NotMemoryChannel;
    if (rows->empty()) return ReorderRefusal::None;
    if ((up && rows->front() == 1) || (!up && rows->back() == kMemoryChannels)) {
        return ReorderRefusal::AtTheEdge;
    }
    // Each run of selected rows moves one place; the neighbour it passes takes the run's far
    // end.
    ChannelRenumbering moves;
    const int step = up ? -1 : 1;
    for (std::size_t i = 0; i < rows->size();) {
        std::size_t j = i;
        while (j + 1 < rows->size() && (*rows)[j + 1] == (*rows)[j] + 1) ++j;
        const int first = (*rows)[i];
        const int last = (*rows)[j];
        for (int n = first; n <= last; ++n) moves[n] = n + step;
        if (up) {
            moves[first - 1] = last;
        } else {
            moves[last + 1] = first;
        }
        i = j + 1;
    }
    Renumber(channels, record, moves);
    return ReorderRefusal::None;
}

ReorderRefusal SortRows(ChannelTable& channels, CodeplugRecord& record,
                        const std::vector<int>& numbers, const ChannelOrder& less) {
    const auto rows = MemoryRows(numbers);
    if (!rows) return ReorderRefusal::NotMemoryChannel;
    std::vector<const ChannelRecord*> used;
    for (const int n : *rows) {
        if (const ChannelRecord* c = channels.find(n)) used.push_back(c);
    }
    std::stable_sort(
        used.begin(), used.end(),
        [&less](const ChannelRecord* a, const ChannelRecord* b) { return less(*a, *b); });
    ChannelRenumbering moves;
    for (std::size_t i = 0; i < used.size(); ++i) moves[used[i]->Number] = (*rows)[i];
    Renumber(channels, record, moves);
    return ReorderRefusal::None;
}

}  // namespace torvik
