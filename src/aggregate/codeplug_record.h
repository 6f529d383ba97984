// Every function-setting record of a codeplug in one record: the form the data file holds
// (8587 bytes, fields in this order) and the live settings the editors change.
#pragma once

#include <cstdint>
#include <tuple>

#include "calling/commbook/comm_book.h"
#include "calling/dtmf/dtmf_settings.h"
#include "calling/fivetone/five_tone_settings.h"
#include "calling/twotone/two_tone_settings.h"
#include "codeplug/band.h"
#include "codeplug/record_fields.h"
#include "functions/emergency/emergency_settings.h"
#include "functions/options/option_settings.h"
#include "functions/scan/scan_settings.h"

namespace torvik {

struct CodeplugRecord {
    // The band and channel count as of the last save; while the codeplug is open the band
    // object and the channel table hold the live values.
    std::int16_t SavedBandCode = kDefaultBandCode;
    DtmfSettings dtmf;
    TwoToneSettings twoTone;
    FiveToneSettings fiveTone;
    OptionSettings options;
    ScanSettings scan;
    EmergencySettings emergency;
    std::int16_t ChannelCount = 0;
    CommBook commBook;
    std::uint8_t decodeTime = kDefaultDecodeTime;  // belongs to the 5-Tone settings
    std::uint8_t squelchOffInhibit = 0;            // belongs to the optional functions

    bool operator==(const CodeplugRecord&) const = default;
};

// Named as the text forms of a codeplug name them.
inline constexpr std::tuple kCodeplugRecordFields{
    Field("SavedBandCode", &CodeplugRecord::SavedBandCode),
    Field("DtmfSettings", &CodeplugRecord::dtmf),
    Field("TwoToneSettings", &CodeplugRecord::twoTone),
    Field("FiveToneSettings", &CodeplugRecord::fiveTone),
    Field("OptionSettings", &CodeplugRecord::options),
    Field("ScanSettings", &CodeplugRecord::scan),
    Field("EmergencySettings", &CodeplugRecord::emergency),
    Field("ChannelCount", &CodeplugRecord::ChannelCount),
    Field("CommBook", &CodeplugRecord::commBook),
    Field("decodeTime", &CodeplugRecord::decodeTime),
    Field("squelchOffInhibit", &CodeplugRecord::squelchOffInhibit)};

constexpr const auto& FieldsOf(const CodeplugRecord*) {
    return kCodeplugRecordFields;
}

// Every function record at its defaults, in the order a new codeplug sets them: DTMF, 2-Tone,
// 5-Tone, optional functions, scan, emergency, communication book.
void ResetFunctionSettings(CodeplugRecord& record);

}  // namespace torvik
