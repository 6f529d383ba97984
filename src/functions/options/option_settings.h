// The radio-wide optional functions: the record the option editor works on, its field list
// (data-file form, text form, field-by-field comparison) and its defaults.
#pragma once

#include <cstdint>
#include <tuple>

#include "codeplug/fixed_text.h"
#include "codeplug/record_bytes.h"
#include "codeplug/record_fields.h"

namespace torvik {

// Pick-list fields hold the 0-based position in their row's list; switches hold 0 or 1. The
// option editor shows pick-list row k under language key 1702 + k; the comments name that row.
// The field list keeps each renamed field's former name, which earlier JSON files carry.
struct OptionSettings {
    std::int16_t displayMode = 0;                // row 0: frequency, channel, name
    std::int16_t workMode = 0;                   // row 1: frequency or channel mode
    std::int16_t powerOnChannel = 0;             // row 2: channel number - 1; PA 200, PB 201
    std::int16_t squelchLevel = 0;               // row 3: 0..20
    std::int16_t voicePrompt = 0;                // row 5: off, Chinese, English
    std::int16_t channelDisplayExtra = 0;        // row 18: +frequency or +name in channel display
    std::int16_t backlightTime = 0;              // row 7: 0 s .. 3 s, always
    std::int16_t currentGroup = 0;               // row 8: position 0..31 shows "1".."32"
    std::int16_t toneBurstFrequency = 0;         // row 9
    std::int16_t timeOutTimer = 0;               // row 10: off, 1..30 min
    std::int16_t batterySave = 0;                // row 11: off, 1:1, 1:2, 1:4
    std::int16_t keyLock = 0;                    // row 12: manual, automatic
    std::int16_t keyBeep = 0;                    // row 14
    std::int16_t tailElimination = 0;            // switch 3
    std::int16_t busyChannelLockout = 0;         // row 15 (hidden)
    std::int16_t functionOperation = 0;          // switch 0 (hidden)
    std::int16_t internalFunctionOperation = 0;  // switch 1
    std::int16_t initKey = 0;                    // switch 2
    std::int16_t tailPhase = 0;                  // row 16: CTCSS tail phase
    std::int16_t sideKey = 0;                    // row 17: monitor, scan
    // The next three live only in the data file: the image has no place for them.
    std::int16_t voxLevel = 0;   // row 4 (hidden): 0..25
    std::int16_t backlight = 0;  // row 6 (hidden): off, auto, always on
    std::int16_t rogerBeep = 0;  // row 13 (hidden)
    FixedText<7> welcomeMessage = FixedText<7>::Value("Welcome");
    std::int16_t powerOnPasswordEnabled = 0;
    FixedText<6> powerOnPassword = FixedText<6>::Value("");  // up to 6 digits

    bool operator==(const OptionSettings&) const = default;
};

inline constexpr std::tuple kOptionSettingsFields{
    Field("displayMode", &OptionSettings::displayMode, "row0Choice"),
    Field("workMode", &OptionSettings::workMode, "row1Choice"),
    Field("powerOnChannel", &OptionSettings::powerOnChannel, "row2Channel"),
    Field("squelchLevel", &OptionSettings::squelchLevel, "row3Level"),
    Field("voicePrompt", &OptionSettings::voicePrompt, "row5Choice"),
    Field("channelDisplayExtra", &OptionSettings::channelDisplayExtra, "row18Choice"),
    Field("backlightTime", &OptionSettings::backlightTime, "row7Duration"),
    Field("currentGroup", &OptionSettings::currentGroup, "row8Number"),
    Field("toneBurstFrequency", &OptionSettings::toneBurstFrequency),
    Field("timeOutTimer", &OptionSettings::timeOutTimer, "row10Time"),
    Field("batterySave", &OptionSettings::batterySave, "row11Choice"),
    Field("keyLock", &OptionSettings::keyLock, "row12Choice"),
    Field("keyBeep", &OptionSettings::keyBeep, "row14Choice"),
    Field("tailElimination", &OptionSettings::tailElimination),
    Field("busyChannelLockout", &OptionSettings::busyChannelLockout, "row15Choice"),
    Field("functionOperation", &OptionSettings::functionOperation),
    Field("internalFunctionOperation", &OptionSettings::internalFunctionOperation),
    Field("initKey", &OptionSettings::initKey),
    Field("tailPhase", &OptionSettings::tailPhase),
    Field("sideKey", &OptionSettings::sideKey, "row17Choice"),
    Field("voxLevel", &OptionSettings::voxLevel, "row4Level"),
    Field("backlight", &OptionSettings::backlight, "row6Choice"),
    Field("rogerBeep", &OptionSettings::rogerBeep, "row13Switch"),
    Field("welcomeMessage", &OptionSettings::welcomeMessage),
    Field("powerOnPasswordEnabled", &OptionSettings::powerOnPasswordEnabled),
    Field("powerOnPassword", &OptionSettings::powerOnPassword)};

constexpr const auto& FieldsOf(const OptionSettings*) {
    return kOptionSettingsFields;
}

static_assert(SerializedSize<OptionSettings> == 61);

// Every field to its default: 16-bit fields 0, the welcome message "Welcome", an empty
// power-on password. The squelch-off inhibit flag kept beside the record is reset too.
void ResetOptions(OptionSettings& options, std::uint8_t& squelchOffInhibit);

}  // namespace torvik
