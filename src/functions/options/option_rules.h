// The rules the option editor applies to its working copy: row 0 driving rows 1 and 18,
// the channel choices of row 2, and the forms of the power-on message and password.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "codeplug/channel_record.h"
#include "functions/options/option_settings.h"

namespace torvik {

// Row 0 at position 1 forces row 1 to position 1 (and disables it) and reveals row 18;
// positions 0 and 2 set row 1 to 0 or 1 and reset row 18 to 0.
void ApplyDisplayMode(OptionSettings& options, int position);
bool WorkModeEnabled(const OptionSettings& options);
bool ChannelDisplayExtraShown(const OptionSettings& options);

// One entry of the row 2 channel list.
struct OptionChannelChoice {
    std::string text;    // channel number - 1, or "PA" / "PB"
    std::int16_t value;  // what powerOnChannel holds
    bool operator==(const OptionChannelChoice&) const = default;
};

// Every used channel 1..202 in ascending order; the single entry "0" when there is none.
std::vector<OptionChannelChoice> OptionChannelChoices(const ChannelTable& table);

// The list text of a powerOnChannel value.
std::string OptionChannelText(std::int16_t value);

// The position of `value` in `choices`, or 0 when it is not offered.
int OptionChannelPosition(const std::vector<OptionChannelChoice>& choices, std::int16_t value);

inline constexpr std::size_t kWelcomeBoxes = 7;

// The seven characters of the message boxes, a blank standing for an empty box.
std::string WelcomeMessageBoxes(const OptionSettings& options);

// The message from the boxes' characters; a missing or empty box gives a blank. Trailing
// blanks are not sent to the radio, leading and inner ones are.
FixedText<7> WelcomeMessageFromBoxes(std::string_view boxes);

// Characters a message box accepts: printable ASCII except "\" and "~".
bool IsWelcomeMessageChar(int c);

inline constexpr std::size_t kPasswordDigits = 6;

// Characters the password box accepts.
bool IsPasswordChar(int c);

// The password as the record holds it.
FixedText<6> PowerOnPasswordFromText(std::string_view digits);

}  // namespace torvik
