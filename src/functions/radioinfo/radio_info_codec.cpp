#include "functions/radioinfo/radio_info_codec.h"

#include <string>

namespace torvik {
namespace {

using L = RadioInfoLayout;

// The field's bytes up to the first 0x00 (0xFF is a valid GBK lead byte), trailing blanks
// dropped. GBK trail bytes are never 0x00 or 0x20, so cutting bytes cannot split a
// character.
template <std::size_t N>
void GetText(const RadioImage& image, std::size_t address, FixedText<N>& field) {
    std::string text;
    for (std::uint8_t byte : image.block(address, N)) {
        if (byte == 0x00) break;
        text += static_cast<char>(byte);
    }
    field = FixedText<N>::Value(CutAtNul(text));
}

std::string GetAreaCode(const RadioImage& image) {
    std::string text;
    for (std::uint8_t byte : image.block(L::kAreaCode, L::kAreaCodeBytes)) {
        if (byte == 0x00 || byte == 0xFF) break;
        text += static_cast<char>(byte);
    }
    return text;
}

}  // namespace

void UnpackRadioInfo(const RadioImage& image, RadioInfo& info) {
    info.bandByte = image.at(L::kBandByte);
    info.areaCode = GetAreaCode(image);
    GetText(image, L::kSerialNumber, info.serialNumber);
    GetText(image, L::kProductionDate, info.productionDate);
    GetText(image, L::kMaintenanceDate, info.maintenanceDate);
    GetText(image, L::kMaintenanceReason, info.maintenanceReason);
    GetText(image, L::kProductionBatch, info.productionBatch);
    GetText(image, L::kCustomerCode, info.customerCode);
    GetText(image, L::kDealerCode, info.dealerCode);
    GetText(image, L::kStockDate, info.stockDate);
    GetText(image, L::kSellDate, info.sellDate);
    GetText(image, L::kSeller, info.seller);
}

}  // namespace torvik
