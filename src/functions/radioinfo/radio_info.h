// The radio's embedded information (serial number, dates, dealer data): read from the
// radio and shown, never written back. Text fields hold the radio's bytes as they are
// (GBK, see radio_info_text.h for display).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>

#include "codeplug/fixed_text.h"
#include "codeplug/identity.h"
#include "codeplug/record_fields.h"

namespace torvik {

// The version the information window shows; the radio does not report one here.
inline constexpr std::string_view kRadioInfoVersionText = "V1.00";

struct RadioInfo {
    std::int16_t bandByte = 0;
    FixedText<16> serialNumber = FixedText<16>::Value("");
    FixedText<16> productionDate = FixedText<16>::Value("");
    FixedText<16> maintenanceDate = FixedText<16>::Value("");
    FixedText<96> maintenanceReason = FixedText<96>::Value("");
    std::string versionText{kRadioInfoVersionText};  // not from the radio
    std::string modelText{ModelId};                  // not from the radio
    std::string areaCode;                            // up to 4 bytes
    FixedText<8> productionBatch = FixedText<8>::Value("");
    FixedText<4> customerCode = FixedText<4>::Value("");
    FixedText<16> dealerCode = FixedText<16>::Value("");
    FixedText<16> stockDate = FixedText<16>::Value("");
    FixedText<16> sellDate = FixedText<16>::Value("");
    FixedText<16> seller = FixedText<16>::Value("");

    bool operator==(const RadioInfo&) const = default;
};

// The record is never saved, so it has no data-file form; the list serves the text form
// and field-by-field comparison.
inline constexpr std::tuple kRadioInfoFields{
    Field("bandByte", &RadioInfo::bandByte),
    Field("serialNumber", &RadioInfo::serialNumber),
    Field("productionDate", &RadioInfo::productionDate),
    Field("maintenanceDate", &RadioInfo::maintenanceDate),
    Field("maintenanceReason", &RadioInfo::maintenanceReason),
    Field("versionText", &RadioInfo::versionText),
    Field("modelText", &RadioInfo::modelText),
    Field("areaCode", &RadioInfo::areaCode),
    Field("productionBatch", &RadioInfo::productionBatch),
    Field("customerCode", &RadioInfo::customerCode),
    Field("dealerCode", &RadioInfo::dealerCode),
    Field("stockDate", &RadioInfo::stockDate),
    Field("sellDate", &RadioInfo::sellDate),
    Field("seller", &RadioInfo::seller)};

constexpr const auto& FieldsOf(const RadioInfo*) {
    return kRadioInfoFields;
}

// The start-up values: every text empty, the version "V1.00", the model identity.
void ResetRadioInfo(RadioInfo& info);

}  // namespace torvik
