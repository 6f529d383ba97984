#include "functions/emergency/channel_refs.h"

#include <algorithm>

namespace torvik {
namespace {

void Repair(std::uint8_t& reference, const ChannelTable& table) {
    // Repairing "none" would silently switch on a channel the user never chose.
    if (reference == 0) return;
    reference = static_cast<std::uint8_t>(ValidChannelRef(table, reference));
}

}  // namespace

std::vector<int> MemoryChannelChoices(const ChannelTable& table) {
    std::vector<int> numbers;
    for (const ChannelRecord& record : table.used()) {
        if (record.Number >= 1 && record.Number <= kMemoryChannels) {
            numbers.push_back(record.Number);
        }
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

void RepairChannelRefs(EmergencySettings& emergency, ScanSettings& scan,
                       const ChannelTable& table) {
    Repair(emergency.emergencyChannel, table);
    Repair(scan.priorityChannel1, table);
    Repair(scan.priorityChannel2, table);
}

}  // namespace torvik
