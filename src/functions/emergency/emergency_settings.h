// The emergency alarm and lone-worker settings: the record the alarm editor works on, its
// field list and its defaults.
#pragma once

#include <cstdint>
#include <tuple>

#include "codeplug/record_bytes.h"
#include "codeplug/record_fields.h"

namespace torvik {

struct EmergencySettings {
    std::uint8_t alarmMode = 0;         // list position 0..3
    std::uint8_t idCodeType = 0;        // 0 none, 1 DTMF, 2 5-Tone
    std::uint8_t idCode = 0;            // DTMF memory 0..15 (M1..M16) or 5-Tone code number
    std::uint8_t alarmTime = 0;         // seconds, 1..255
    std::uint8_t txTime = 0;            // seconds, 1..255
    std::uint8_t rxTime = 0;            // seconds, 1..255
    std::uint8_t channelSelect = 0;     // 0 uses emergencyChannel
    std::uint8_t emergencyChannel = 0;  // channel number 1..200, 0 none
    std::uint8_t cycles = 0;            // 0 the list's first entry, else 1..255
    std::uint8_t loneWorkerAutoCheck = 0;
    std::uint8_t preAlertTime = 1;    // seconds, 1..254
    std::uint8_t loneWorkerTime = 5;  // seconds, 5..255

    bool operator==(const EmergencySettings&) const = default;
};

inline constexpr std::tuple kEmergencySettingsFields{
    Field("alarmMode", &EmergencySettings::alarmMode),
    Field("idCodeType", &EmergencySettings::idCodeType),
    Field("idCode", &EmergencySettings::idCode),
    Field("alarmTime", &EmergencySettings::alarmTime),
    Field("txTime", &EmergencySettings::txTime),
    Field("rxTime", &EmergencySettings::rxTime),
    Field("channelSelect", &EmergencySettings::channelSelect),
    Field("emergencyChannel", &EmergencySettings::emergencyChannel),
    Field("cycles", &EmergencySettings::cycles),
    Field("loneWorkerAutoCheck", &EmergencySettings::loneWorkerAutoCheck),
    Field("preAlertTime", &EmergencySettings::preAlertTime),
    Field("loneWorkerTime", &EmergencySettings::loneWorkerTime)};

constexpr const auto& FieldsOf(const EmergencySettings*) {
    return kEmergencySettingsFields;
}

static_assert(SerializedSize<EmergencySettings> == 12);

// Every field to its default: all 0 except the pre-alert time 1 s and the lone-worker
// time 5 s.
void ResetEmergency(EmergencySettings& emergency);

}  // namespace torvik
