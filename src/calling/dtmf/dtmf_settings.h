// The DTMF record: the sixteen code memories, the PTT-ID and remote-control codes, the own
// ID, the separator and group symbols and the timings; and its defaults.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <tuple>

#include "codeplug/fixed_text.h"
#include "codeplug/record_fields.h"

namespace torvik {

inline constexpr std::size_t kLongDtmfCodeWidth = 24;
inline constexpr std::size_t kShortDtmfCodeWidth = 14;
inline constexpr int kDtmfMemoryCodes = 16;

// Symbol values of the separator and group fields: A, B, C, D, * and # as 10..15; a group
// of 9 is off.
inline constexpr std::int16_t kDtmfSymbolA = 10;
inline constexpr std::int16_t kDtmfSymbolStar = 14;
inline constexpr std::int16_t kDtmfSymbolHash = 15;
inline constexpr std::int16_t kDtmfGroupOff = 9;

// One stored code in nibble form ("*" held as "E", "#" as "F"), Width symbols wide, and the
// number of symbols that count.
template <std::size_t Width>
struct DtmfCode {
    static constexpr std::size_t kWidth = Width;

    FixedText<Width> code;
    std::int16_t length = 0;

    bool operator==(const DtmfCode&) const = default;
};

using LongDtmfCode = DtmfCode<kLongDtmfCodeWidth>;
using ShortDtmfCode = DtmfCode<kShortDtmfCodeWidth>;

template <std::size_t Width>
inline constexpr std::tuple kDtmfCodeFields{Field("code", &DtmfCode<Width>::code),
                                            Field("length", &DtmfCode<Width>::length)};

template <std::size_t Width>
constexpr const auto& FieldsOf(const DtmfCode<Width>*) {
    return kDtmfCodeFields<Width>;
}

struct DtmfSettings {
    std::array<LongDtmfCode, kDtmfMemoryCodes> memoryCodes{};  // M1..M16
    LongDtmfCode pttIdBeginCode;
    LongDtmfCode pttIdEndCode;
    ShortDtmfCode remoteKillCode;
    ShortDtmfCode remoteStunCode;
    std::int16_t aniEnabled = 0;       // kept in the option area of the image
    std::int16_t digitDuration = 0;    // list position 0..5; in the option area of the image
    std::int16_t pttIdMode = 0;        // list position 0..3; never in the image
    FixedText<3> dtmfId;               // three decimal digits
    std::int16_t separatorCode = 0;    // symbol value 10..15
    std::int16_t groupCode = 0;        // symbol value 10..15, or kDtmfGroupOff
    std::int16_t decodeResponse = 0;   // list position 0..2
    std::int16_t firstDigitDelay = 0;  // 0..250, tens of ms
    std::int16_t preSendDelay = 0;     // 1..250, tens of ms
    std::int16_t resetTime = 0;        // 0..250 tenths of a second
    std::int16_t postSendDelay = 0;    // 1..250, tens of ms
    std::int16_t pauseTime = 0;        // 0 off, else 5..75
    std::int16_t sideTone = 0;         // 0 or 1

    bool operator==(const DtmfSettings&) const = default;
};

inline constexpr std::tuple kDtmfSettingsFields{
    Field("memoryCodes", &DtmfSettings::memoryCodes),
    Field("pttIdBeginCode", &DtmfSettings::pttIdBeginCode),
    Field("pttIdEndCode", &DtmfSettings::pttIdEndCode),
    Field("remoteKillCode", &DtmfSettings::remoteKillCode),
    Field("remoteStunCode", &DtmfSettings::remoteStunCode),
    Field("aniEnabled", &DtmfSettings::aniEnabled),
    Field("digitDuration", &DtmfSettings::digitDuration),
    Field("pttIdMode", &DtmfSettings::pttIdMode),
    Field("dtmfId", &DtmfSettings::dtmfId),
    Field("separatorCode", &DtmfSettings::separatorCode),
    Field("groupCode", &DtmfSettings::groupCode),
    Field("decodeResponse", &DtmfSettings::decodeResponse),
    Field("firstDigitDelay", &DtmfSettings::firstDigitDelay),
    Field("preSendDelay", &DtmfSettings::preSendDelay),
    Field("resetTime", &DtmfSettings::resetTime),
    Field("postSendDelay", &DtmfSettings::postSendDelay),
    Field("pauseTime", &DtmfSettings::pauseTime),
    Field("sideTone", &DtmfSettings::sideTone)};

constexpr const auto& FieldsOf(const DtmfSettings*) {
    return kDtmfSettingsFields;
}

// The defaults of a new codeplug: every code empty, ID "000", separator "*", group "A".
void ResetDtmf(DtmfSettings& settings);

}  // namespace torvik
