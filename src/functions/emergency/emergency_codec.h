// The emergency settings' image form.
//
//   928  alarmMode      929  idCodeType    930  idCode         931  alarmTime
//   932  txTime         933  rxTime        934  channelSelect  935  not written
//   936  emergencyChannel as a 0-based channel byte, 0xFF for none
//   937  cycles         938  loneWorkerAutoCheck   939  preAlertTime   940  loneWorkerTime
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "codeplug/radio_image.h"
#include "functions/emergency/emergency_settings.h"

namespace torvik {

struct EmergencyLayout {
    // Bytes that hold one field each, as its value.
    struct ByteField {
        std::size_t offset;
        std::uint8_t EmergencySettings::*member;
    };
    static constexpr std::array<ByteField, 11> kByteFields{{
        {928, &EmergencySettings::alarmMode},
        {929, &EmergencySettings::idCodeType},
        {930, &EmergencySettings::idCode},
        {931, &EmergencySettings::alarmTime},
        {932, &EmergencySettings::txTime},
        {933, &EmergencySettings::rxTime},
        {934, &EmergencySettings::channelSelect},
        {937, &EmergencySettings::cycles},
        {938, &EmergencySettings::loneWorkerAutoCheck},
        {939, &EmergencySettings::preAlertTime},
        {940, &EmergencySettings::loneWorkerTime},
    }};
    static constexpr std::size_t kEmergencyChannel = 936;
};

// Writes the settings into the image. Every value fits by construction; should one ever
// not, it throws EncodeError rather than wrap.
void PackEmergency(const EmergencySettings& emergency, RadioImage& image);

void UnpackEmergency(const RadioImage& image, EmergencySettings& emergency);

}  // namespace torvik
