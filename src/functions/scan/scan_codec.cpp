#include "functions/scan/scan_codec.h"

#include "codeplug/byte_fields.h"

namespace torvik {

namespace {
using L = ScanLayout;
}  // namespace

void PackScan(const ScanSettings& s, RadioImage& image) {
    for (const auto& field : L::kByteFields) image.at(field.offset) = CheckedByte(s.*field.member);
    for (const auto& field : L::kReferenceFields) {
        image.at(field.offset) = CheckedByte(ClampToByte(s.*field.member - 1));
    }
}

void UnpackScan(const RadioImage& image, ScanSettings& s) {
    for (const auto& field : L::kByteFields) s.*field.member = image.at(field.offset);
    for (const auto& field : L::kReferenceFields) {
        s.*field.member = static_cast<std::uint8_t>(ClampToByte(image.at(field.offset) + 1));
    }
}

}  // namespace torvik
