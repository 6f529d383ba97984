#include "functions/options/option_rules.h"

namespace torvik {
namespace {

// displayMode position with a special meaning for rows 1 and 18.
constexpr int kDisplayModeChannel = 1;
constexpr int kDisplayModeSecond = 2;
constexpr std::int16_t kChannelValuePA = kChannelPA - 1;
constexpr std::int16_t kChannelValuePB = kChannelPB - 1;

}  // namespace

void ApplyDisplayMode(OptionSettings& o, int position) {
    o.displayMode = static_cast<std::int16_t>(position);
    if (position == kDisplayModeChannel) {
        o.workMode = 1;
        return;
    }
    o.workMode = position == kDisplayModeSecond ? 1 : 0;
    o.channelDisplayExtra = 0;
}

bool WorkModeEnabled(const OptionSettings& o) {
    return o.displayMode != kDisplayModeChannel;
}
bool ChannelDisplayExtraShown(const OptionSettings& o) {
    return o.displayMode == kDisplayModeChannel;
}

std::vector<OptionChannelChoice> OptionChannelChoices(const ChannelTable& table) {
    std::vector<OptionChannelChoice> choices;
    for (int n = 1; n <= kChannelPB; ++n) {
        if (!ChannelExists(table, n)) continue;
        const auto value = static_cast<std::int16_t>(n - 1);
        choices.push_back({OptionChannelText(value), value});
    }
    if (choices.empty()) choices.push_back({"0", 0});
    return choices;
}

std::string OptionChannelText(std::int16_t value) {
    if (value == kChannelValuePA) return "PA";
    if (value == kChannelValuePB) return "PB";
    return std::to_string(value);
}

int OptionChannelPosition(const std::vector<OptionChannelChoice>& choices, std::int16_t value) {
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (choices[i].value == value) return static_cast<int>(i);
    }
    return 0;
}

std::string WelcomeMessageBoxes(const OptionSettings& o) {
    std::string boxes = o.welcomeMessage.text();
    boxes.resize(kWelcomeBoxes, ' ');
    return boxes;
}

FixedText<7> WelcomeMessageFromBoxes(std::string_view boxes) {
    std::string text(boxes.substr(0, kWelcomeBoxes));
    for (char& c : text) {
        if (c == '\0') c = ' ';
    }
    text.resize(kWelcomeBoxes, ' ');
    return FixedText<7>::Value(text);
}

bool IsWelcomeMessageChar(int c) {
    return c >= 32 && c <= 126 && c != '\\' && c != '~';
}

bool IsPasswordChar(int c) {
    return c >= '0' && c <= '9';
}

FixedText<6> PowerOnPasswordFromText(std::string_view digits) {
    return FixedText<6>::Value(digits);
}

}  // namespace torvik
