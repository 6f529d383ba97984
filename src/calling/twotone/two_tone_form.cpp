#include "calling/twotone/two_tone_form.h"

#include "calling/twotone/two_tone_tones.h"
#include "platform/number_text.h"

namespace torvik {
namespace {

constexpr int kFirstTime = 5;  // time1..time3 in tenths, 5..100
constexpr int kLastTime = 100;
constexpr int kLastInterval = 20;  // time4 in hundreds of ms
constexpr int kIntervalStep = 100;
constexpr int kLastResetTime = 250;  // time5 in tenths
constexpr int kChoices = 3;
// What a value no list offers shows instead.
constexpr int kTime3Fallback = 10;
constexpr int kIntervalFallback = 10;

std::vector<std::string> Tenths(int first, int last) {
    std::vector<std::string> items;
    for (int v = first; v <= last; ++v) items.push_back(FormatFixed(v / 10.0, 1, 1));
    return items;
}

int TimePosition(int value, int fallback) {
    return (value >= kFirstTime && value <= kLastTime ? value : fallback) - kFirstTime;
}

}  // namespace

std::vector<std::string> TwoToneTimeItems() {
    return Tenths(kFirstTime, kLastTime);
}

std::vector<std::string> TwoToneIntervalItems() {
    std::vector<std::string> items;
    for (int v = 0; v <= kLastInterval; ++v) items.push_back(std::to_string(v * kIntervalStep));
    return items;
}

std::vector<std::string> TwoToneResetTimeItems() {
    return Tenths(0, kLastResetTime);
}

std::vector<std::string> CallFormatItems() {
    std::vector<std::string> items;
    for (int f = 0; f < kCallFormats; ++f) items.emplace_back(CallFormatName(f));
    return items;
}

TwoToneListForm TwoToneListsOf(const TwoToneSettings& s) {
    TwoToneListForm f;
    f.callFormat = s.callFormat < kCallFormats ? s.callFormat : 0;
    f.choice = s.choice < kChoices ? s.choice : 0;
    f.time1 = TimePosition(s.time1, kFirstTime);
    f.time2 = TimePosition(s.time2, kFirstTime);
    f.time3 = TimePosition(s.time3, kTime3Fallback);
    f.time4 = s.time4 <= kLastInterval ? s.time4 : kIntervalFallback;
    f.time5 = s.time5 <= kLastResetTime ? s.time5 : 0;
    f.sideTone = s.sideTone == 1;
    return f;
}

void CommitTwoToneLists(const TwoToneListForm& f, TwoToneSettings& s) {
    s.callFormat = static_cast<std::uint8_t>(f.callFormat);
    s.choice = static_cast<std::uint8_t>(f.choice);
    s.time1 = static_cast<std::uint8_t>(f.time1 + kFirstTime);
    s.time2 = static_cast<std::uint8_t>(f.time2 + kFirstTime);
    s.time3 = static_cast<std::uint8_t>(f.time3 + kFirstTime);
    s.time4 = static_cast<std::uint8_t>(f.time4);
    s.time5 = static_cast<std::uint8_t>(f.time5);
    s.sideTone = f.sideTone ? 1 : 0;
}

std::array<std::string, 3> TwoToneCodeCells(const TwoToneCode& code) {
    if (code.empty != 0) return {};
    auto tone = [](HighByteFirst16 t) { return t.value ? ToneText(t.value) : std::string(); };
    return {tone(code.tone1), tone(code.tone2), code.name.text()};
}

}  // namespace torvik
