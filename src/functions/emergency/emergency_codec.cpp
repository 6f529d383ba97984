#include "functions/emergency/emergency_codec.h"

#include "codeplug/byte_fields.h"

namespace torvik {

namespace {
using L = EmergencyLayout;
}  // namespace

void PackEmergency(const EmergencySettings& e, RadioImage& image) {
    for (const auto& field : L::kByteFields) image.at(field.offset) = CheckedByte(e.*field.member);
    image.at(L::kEmergencyChannel) = CheckedByte(ClampToByte(e.emergencyChannel - 1));
}

void UnpackEmergency(const RadioImage& image, EmergencySettings& e) {
    for (const auto& field : L::kByteFields) e.*field.member = image.at(field.offset);
    e.emergencyChannel = static_cast<std::uint8_t>(ClampToByte(image.at(L::kEmergencyChannel) + 1));
}

}  // namespace torvik
