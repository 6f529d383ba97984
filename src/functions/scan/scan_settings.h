// The scan settings: the record the scan editor works on, its field list and its defaults.
// Which channels are scanned is each channel's own ScanSkip flag, not part of this record.
#pragma once

#include <cstdint>
#include <tuple>

#include "codeplug/record_bytes.h"
#include "codeplug/record_fields.h"

namespace torvik {

struct ScanSettings {
    std::uint8_t scanMode = 0;
    std::uint8_t priorityMode = 0;   // none, priority channel 1, 2, both
    std::uint8_t revertChoice = 0;   // position 0..7 in the full revert list
    std::uint8_t scanBackTimeA = 5;  // position p is (p + 5) / 10 s
    std::uint8_t scanBackTimeB = 5;
    std::uint8_t rxResumeDelay = 0;  // position p is (p + 1) / 10 s
    std::uint8_t txResumeDelay = 0;
    std::uint8_t scanType = 0;
    std::uint8_t entryTone = 0;
    std::uint8_t waitTime = 0;          // v x 25 ms, v = 2..255
    std::uint8_t priorityGroup1 = 0;    // channel group + 1, 0 none; never edited
    std::uint8_t priorityChannel1 = 0;  // channel number 1..200, 0 none
    std::uint8_t priorityGroup2 = 0;
    std::uint8_t priorityChannel2 = 0;

    bool operator==(const ScanSettings&) const = default;
};

inline constexpr std::tuple kScanSettingsFields{
    Field("scanMode", &ScanSettings::scanMode),
    Field("priorityMode", &ScanSettings::priorityMode),
    Field("revertChoice", &ScanSettings::revertChoice),
    Field("scanBackTimeA", &ScanSettings::scanBackTimeA),
    Field("scanBackTimeB", &ScanSettings::scanBackTimeB),
    Field("rxResumeDelay", &ScanSettings::rxResumeDelay),
    Field("txResumeDelay", &ScanSettings::txResumeDelay),
    Field("scanType", &ScanSettings::scanType),
    Field("entryTone", &ScanSettings::entryTone),
    Field("waitTime", &ScanSettings::waitTime),
    Field("priorityGroup1", &ScanSettings::priorityGroup1),
    Field("priorityChannel1", &ScanSettings::priorityChannel1),
    Field("priorityGroup2", &ScanSettings::priorityGroup2),
    Field("priorityChannel2", &ScanSettings::priorityChannel2)};

constexpr const auto& FieldsOf(const ScanSettings*) {
    return kScanSettingsFields;
}

static_assert(SerializedSize<ScanSettings> == 14);

// Every field to its default: all 0 except both scan-back times at position 5 (1.0 s).
void ResetScan(ScanSettings& scan);

}  // namespace torvik
