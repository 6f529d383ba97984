#include "channel_edit/channel_reorder.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <set>
#include <string>
#include <tuple>

#include "channel_edit/channel_cells.h"

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

// A frequency record field as a number of 10 Hz; one without a frequency sorts last.
long long FrequencyValue(const FixedText<9>& code) {
    long long value = 0;
    for (const char c : code.raw()) {
        if (c < '0' || c > '9') return std::numeric_limits<long long>::max();
        value = value * 10 + (c - '0');
    }
    return value;
}

long long TransmitValue(const ChannelRecord& c) {
    const long long rx = FrequencyValue(c.RxFreq);
    const long long offset = FrequencyValue(c.Offset);
    if (rx == std::numeric_limits<long long>::max() || offset == rx) return rx;
    if (c.ShiftDir == 1) return rx - offset;
    if (c.ShiftDir == 2) return rx + offset;
    return rx;
}

// What a column compares: one key per channel.
using SortKey = std::tuple<long long, long long, long long, std::string>;

SortKey KeyOf(const ChannelRecord& c, int column) {
    switch (column) {
        case kColumnRxFreq:
            return {FrequencyValue(c.RxFreq), 0, 0, {}};
        case kColumnTxFreq:
            return {TransmitValue(c), 0, 0, {}};
        case kColumnName:
            return {0, 0, 0, std::string(c.Name.raw())};
        case kColumnStep:
            return {c.Step, 0, 0, {}};
        case kColumnBandwidth:
            return {c.Bandwidth, 0, 0, {}};
        case kColumnTxPower:
            return {c.TxPower, 0, 0, {}};
        case kColumnRxTone:
            return {c.RxToneType, c.RxToneType == 2 ? c.RxDcs : c.RxCtcss, c.RxDcsInvert, {}};
        case kColumnTxTone:
            return {c.TxToneType, c.TxToneType == 2 ? c.TxDcs : c.TxCtcss, c.TxDcsInvert, {}};
        case kColumnSignaling: {
            const int number = c.Signaling == 1   ? c.DtmfCodeNo
                               : c.Signaling == 2 ? c.TwoToneNo
                               : c.Signaling == 3 ? c.FiveToneNo
                                                  : 0;
            return {c.Signaling, number, 0, {}};
        }
        default:
            return {c.Number, 0, 0, {}};
    }
}

}  // namespace

ChannelOrder ColumnOrder(int column, bool descending) {
    return [column, descending](const ChannelRecord& a, const ChannelRecord& b) {
        return descending ? KeyOf(b, column) < KeyOf(a, column)
                          : KeyOf(a, column) < KeyOf(b, column);
    };
}

ReorderRefusal MoveRowsTo(ChannelTable& channels, CodeplugRecord& record,
                          const std::vector<int>& numbers, int before) {
    const auto rows = MemoryRows(numbers);
    if (!rows || before < 1 || before > kMemoryChannels + 1) {
        return ReorderRefusal::NotMemoryChannel;
    }
    // The rows in their new order: those above the drop point that stay, the moved rows,
    // then the rest.
    std::vector<int> order;
    for (int n = 1; n < before; ++n) {
        if (!std::binary_search(rows->begin(), rows->end(), n)) order.push_back(n);
    }
    order.insert(order.end(), rows->begin(), rows->end());
    for (int n = before; n <= kMemoryChannels; ++n) {
        if (!std::binary_search(rows->begin(), rows->end(), n)) order.push_back(n);
    }
    ChannelRenumbering moves;
    for (std::size_t i = 0; i < order.size(); ++i) {
        const int to = static_cast<int>(i) + 1;
        if (order[i] != to) moves[order[i]] = to;
    }
    Renumber(channels, record, moves);
    return ReorderRefusal::None;
}

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
