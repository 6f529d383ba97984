// Reading the embedded information out of image bytes 16..255. There is no encoder: the
// radio's own copy is never overwritten.
//
//   23        bandByte
//   25..28    areaCode: up to the first 0x00 or 0xFF
//   32..47    serialNumber       48..63    productionDate
//   64..71    productionBatch    72..75    customerCode
//   76..79    the radio password (not part of this record)
//   80..95    maintenanceDate    96..111   dealerCode
//   112..127  stockDate          128..143  sellDate
//   144..159  seller             160..255  maintenanceReason
//   Text fields run up to their first 0x00 (0xFF is text), trailing blanks dropped.
//   16..22, 24 and 29..31 are unused.
#pragma once

#include <cstddef>

#include "codeplug/radio_image.h"
#include "functions/radioinfo/radio_info.h"

namespace torvik {

// Field widths come from the record's text types.
struct RadioInfoLayout {
    static constexpr std::size_t kBandByte = 23;
    static constexpr std::size_t kAreaCode = 25;
    static constexpr std::size_t kAreaCodeBytes = 4;
    static constexpr std::size_t kSerialNumber = 32;
    static constexpr std::size_t kProductionDate = 48;
    static constexpr std::size_t kProductionBatch = 64;
    static constexpr std::size_t kCustomerCode = 72;
    static constexpr std::size_t kMaintenanceDate = 80;
    static constexpr std::size_t kDealerCode = 96;
    static constexpr std::size_t kStockDate = 112;
    static constexpr std::size_t kSellDate = 128;
    static constexpr std::size_t kSeller = 144;
    static constexpr std::size_t kMaintenanceReason = 160;
};

// Fills every field read from the radio; versionText and modelText keep their values.
void UnpackRadioInfo(const RadioImage& image, RadioInfo& info);

}  // namespace torvik
