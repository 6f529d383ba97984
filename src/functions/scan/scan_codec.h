// The scan settings' image form.
//
//   944  scanMode        945  priorityMode    946  revertChoice   947  scanBackTimeA
//   948  scanBackTimeB   949  rxResumeDelay   950  txResumeDelay  951  scanType
//   952  entryTone       953  waitTime
//   954  priorityGroup1, 955 priorityChannel1, 956 priorityGroup2, 957 priorityChannel2:
//        each 1-based reference as a 0-based byte, 0xFF for none
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "codeplug/radio_image.h"
#include "functions/scan/scan_settings.h"

namespace torvik {

struct ScanLayout {
    struct ByteField {
        std::size_t offset;
        std::uint8_t ScanSettings::*member;
    };
    // Bytes that hold one field each, as its value.
    static constexpr std::array<ByteField, 10> kByteFields{{
        {944, &ScanSettings::scanMode},
        {945, &ScanSettings::priorityMode},
        {946, &ScanSettings::revertChoice},
        {947, &ScanSettings::scanBackTimeA},
        {948, &ScanSettings::scanBackTimeB},
        {949, &ScanSettings::rxResumeDelay},
        {950, &ScanSettings::txResumeDelay},
        {951, &ScanSettings::scanType},
        {952, &ScanSettings::entryTone},
        {953, &ScanSettings::waitTime},
    }};
    // Bytes that hold a 1-based reference (0 none) as 0-based (0xFF none).
    static constexpr std::array<ByteField, 4> kReferenceFields{{
        {954, &ScanSettings::priorityGroup1},
        {955, &ScanSettings::priorityChannel1},
        {956, &ScanSettings::priorityGroup2},
        {957, &ScanSettings::priorityChannel2},
    }};
};

// Writes the settings into the image. Every value fits by construction; should one ever
// not, it throws EncodeError rather than wrap.
void PackScan(const ScanSettings& scan, RadioImage& image);

void UnpackScan(const RadioImage& image, ScanSettings& scan);

}  // namespace torvik
