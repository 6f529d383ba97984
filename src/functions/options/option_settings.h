// The radio-wide optional functions: the record the option editor works on, its field list
// (data-file form, text form, field-by-field comparison) and its defaults.
#pragma once

#include <cstdint>
#include <tuple>

#include "codeplug/fixed_text.h"
#include "codeplug/record_bytes.h"
#include "codeplug/record_fields.h"

namespace torvik {

// Pick-list fields hold the 0-based position in their row's list; switches hold 0 or 1.
struct OptionSettings {
    std::int16_t row0Choice = 0;
    std::int16_t row1Choice = 0;   // coupled to row 0 (ApplyRow0Choice)
    std::int16_t row2Channel = 0;  // channel number - 1: 0..199, PA 200, PB 201
    std::int16_t row3Level = 0;    // 0..20
    std::int16_t row5Choice = 0;
    std::int16_t row18Choice = 0;  // sub-choice of row 0 position 1
    std::int16_t row7Duration = 0;
    std::int16_t row8Number = 0;  // position 0..31 shows "1".."32"
    std::int16_t toneBurstFrequency = 0;
    std::int16_t row10Time = 0;
    std::int16_t row11Choice = 0;
    std::int16_t row12Choice = 0;
    std::int16_t row14Choice = 0;
    std::int16_t tailElimination = 0;
    std::int16_t row15Choice = 0;
    std::int16_t functionOperation = 0;
    std::int16_t internalFunctionOperation = 0;
    std::int16_t initKey = 0;
    std::int16_t tailPhase = 0;
    std::int16_t row17Choice = 0;
    // The next three live only in the data file: the image has no place for them.
    std::int16_t row4Level = 0;
    std::int16_t row6Choice = 0;
    std::int16_t row13Switch = 0;
    FixedText<7> welcomeMessage = FixedText<7>::Value("Welcome");
    std::int16_t powerOnPasswordEnabled = 0;
    FixedText<6> powerOnPassword = FixedText<6>::Value("");  // up to 6 digits

    bool operator==(const OptionSettings&) const = default;
};

inline constexpr std::tuple kOptionSettingsFields{
    Field("row0Choice", &OptionSettings::row0Choice),
    Field("row1Choice", &OptionSettings::row1Choice),
    Field("row2Channel", &OptionSettings::row2Channel),
    Field("row3Level", &OptionSettings::row3Level),
    Field("row5Choice", &OptionSettings::row5Choice),
    Field("row18Choice", &OptionSettings::row18Choice),
    Field("row7Duration", &OptionSettings::row7Duration),
    Field("row8Number", &OptionSettings::row8Number),
    Field("toneBurstFrequency", &OptionSettings::toneBurstFrequency),
    Field("row10Time", &OptionSettings::row10Time),
    Field("row11Choice", &OptionSettings::row11Choice),
    Field("row12Choice", &OptionSettings::row12Choice),
    Field("row14Choice", &OptionSettings::row14Choice),
    Field("tailElimination", &OptionSettings::tailElimination),
    Field("row15Choice", &OptionSettings::row15Choice),
    Field("functionOperation", &OptionSettings::functionOperation),
    Field("internalFunctionOperation", &OptionSettings::internalFunctionOperation),
    Field("initKey", &OptionSettings::initKey),
    Field("tailPhase", &OptionSettings::tailPhase),
    Field("row17Choice", &OptionSettings::row17Choice),
    Field("row4Level", &OptionSettings::row4Level),
    Field("row6Choice", &OptionSettings::row6Choice),
    Field("row13Switch", &OptionSettings::row13Switch),
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
