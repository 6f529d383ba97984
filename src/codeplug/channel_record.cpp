#include "codeplug/channel_record.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "codeplug/freq_code.h"
#include "platform/number_text.h"

namespace torvik {

const ChannelRecord* ChannelTable::find(int number) const {
    for (const ChannelRecord& record : used()) {
        if (record.Number == number) return &record;
    }
    return nullptr;
}

ChannelRecord* ChannelTable::find(int number) {
    return const_cast<ChannelRecord*>(std::as_const(*this).find(number));
}

std::string ChannelLabel(int number) {
    switch (number) {
        case kChannelPA:
            return "PA";
        case kChannelPB:
            return "PB";
        case kChannelVFO:
            return "VFO";
        default:
            return std::to_string(number - 1);
    }
}

ChannelRecord NewChannelRecord(int number) {
    ChannelRecord record;
    record.Number = static_cast<std::int16_t>(number);
    return record;
}

void DefaultVfoChannel(ChannelTable& table, const BandLimits& limits) {
    ChannelRecord vfo = NewChannelRecord(kChannelVFO);
    vfo.Used = 1;
    vfo.ScanSkip = 1;
    const double middle = (std::nearbyint(limits.RxHigh) + limits.RxLow) / 2;
    vfo.RxFreq = FixedText<9>::Raw(FreqTextToCode(FormatFixed(middle, 3, 4)));
    vfo.Name = FixedText<7>::Value("");
    vfo.TxCtcss = 20;
    vfo.RxCtcss = 20;
    table.records[0] = vfo;
}

ChannelRecord* AppendChannel(ChannelTable& table) {
    if (table.ChannelCount < 0 || table.ChannelCount >= kChannelSlots) return nullptr;
    return &table.records[static_cast<std::size_t>(table.ChannelCount++)];
}

bool ChannelExists(const ChannelTable& table, int number) {
    return table.find(number) != nullptr;
}

bool DeleteChannel(ChannelTable& table, int number) {
    const auto used = table.used();
    const auto it = std::find_if(used.begin(), used.end(),
                                 [number](const ChannelRecord& r) { return r.Number == number; });
    if (it == used.end()) return false;
    std::move(it + 1, used.end(), it);
    --table.ChannelCount;
    table.records[static_cast<std::size_t>(table.ChannelCount)] = ChannelRecord{};
    return true;
}

int ValidChannelRef(const ChannelTable& table, int number) {
    int last = 0;
    for (const ChannelRecord& record : table.used()) {
        if (record.Number > kMemoryChannels) continue;
        if (record.Number == number) return number;
        last = record.Number;
    }
    return last;
}

}  // namespace torvik
