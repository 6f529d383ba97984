// The 2-Tone record: the transmit call with its tone table and timings, and the 32 receive
// codes a channel can refer to by number; its defaults and the channel-reference rule.
#pragma once

#include <array>
#include <cstdint>
#include <tuple>

#include "calling/twotone/byte_pair.h"
#include "codeplug/channel_record.h"
#include "codeplug/fixed_text.h"
#include "codeplug/record_fields.h"

namespace torvik {

inline constexpr int kTwoToneCodes = 32;

// One receive code. Tones are in 0.1 Hz; dividers count a 9.6 MHz clock.
struct TwoToneCode {
    std::int16_t empty = 0;  // 1 no code stored, 0 stored
    HighByteFirst16 divider1;
    HighByteFirst16 divider2;
    HighByteFirst16 tone1;  // 0 = not set
    HighByteFirst16 tone2;
    FixedText<7> name;

    bool operator==(const TwoToneCode&) const = default;
};

inline constexpr std::tuple kTwoToneCodeFields{
    Field("empty", &TwoToneCode::empty),       Field("divider1", &TwoToneCode::divider1),
    Field("divider2", &TwoToneCode::divider2), Field("tone1", &TwoToneCode::tone1),
    Field("tone2", &TwoToneCode::tone2),       Field("name", &TwoToneCode::name)};

constexpr const auto& FieldsOf(const TwoToneCode*) {
    return kTwoToneCodeFields;
}

struct TwoToneSettings {
    HighByteFirst16 callTone1;    // first tone of the transmit call, 0.1 Hz
    HighByteFirst16 callTone2;    // second tone, 0 for the long-tone formats
    std::uint8_t callFormat = 0;  // 0..14, see CallFormatName
    HighByteFirst16 callDivider1;
    HighByteFirst16 callDivider2;     // 0 when there is no second tone
    std::uint8_t autoResetTime = 0;   // 0..250 tenths
    std::uint8_t decodeResponse = 0;  // 0..2
    std::uint8_t sideTone = 0;        // 0 or 1
    LowByteFirst16 toneA;             // the tone table, 0.1 Hz
    LowByteFirst16 toneB;
    LowByteFirst16 toneC;
    LowByteFirst16 toneD;
    std::uint8_t firstToneTime = 0;  // 5..100 tenths
    std::uint8_t secondToneTime = 0;
    std::uint8_t longToneTime = 0;
    std::uint8_t toneInterval = 0;  // 0..20 hundreds
    std::array<TwoToneCode, kTwoToneCodes> codes{};

    bool operator==(const TwoToneSettings&) const = default;
};

inline constexpr std::tuple kTwoToneSettingsFields{
    Field("callTone1", &TwoToneSettings::callTone1),
    Field("callTone2", &TwoToneSettings::callTone2),
    Field("callFormat", &TwoToneSettings::callFormat),
    Field("callDivider1", &TwoToneSettings::callDivider1),
    Field("callDivider2", &TwoToneSettings::callDivider2),
    Field("autoResetTime", &TwoToneSettings::autoResetTime, "time5"),
    Field("decodeResponse", &TwoToneSettings::decodeResponse, "choice"),
    Field("sideTone", &TwoToneSettings::sideTone),
    Field("toneA", &TwoToneSettings::toneA),
    Field("toneB", &TwoToneSettings::toneB),
    Field("toneC", &TwoToneSettings::toneC),
    Field("toneD", &TwoToneSettings::toneD),
    Field("firstToneTime", &TwoToneSettings::firstToneTime, "time1"),
    Field("secondToneTime", &TwoToneSettings::secondToneTime, "time2"),
    Field("longToneTime", &TwoToneSettings::longToneTime, "time3"),
    Field("toneInterval", &TwoToneSettings::toneInterval, "time4"),
    Field("codes", &TwoToneSettings::codes)};

constexpr const auto& FieldsOf(const TwoToneSettings*) {
    return kTwoToneSettingsFields;
}

// The defaults of a new codeplug: the standard tone table and call, code 0 stored and every
// other code empty. Code names keep their contents.
void ResetTwoTone(TwoToneSettings& settings);

// A 2-Tone code number that names a stored code: `number` itself when that code is stored,
// else the first stored code, else 0.
int FirstStoredTwoToneEntry(const TwoToneSettings& settings, int number);

// Points every 2-Tone channel whose code is no longer stored at the first stored code.
void CorrectTwoToneChannels(ChannelTable& table, const TwoToneSettings& settings);

}  // namespace torvik
