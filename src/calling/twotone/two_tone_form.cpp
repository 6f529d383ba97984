#include "calling/twotone/two_tone_form.h"

#include "calling/twotone/two_tone_tones.h"
#include "platform/number_text.h"

namespace torvik {
namespace {

constexpr int kFirstTime = 5;  // firstToneTime..longToneTime in tenths, 5..100
constexpr int kLastTime = 100;
constexpr int kLastInterval = 20;  // toneInterval in hundreds of ms
constexpr int kIntervalStep = 100;
constexpr int kLastResetTime = 250;  // autoResetTime in tenths
constexpr int kChoices = 3;
// What a value no list offers shows instead.
constexpr int kLongToneTimeFallback = 10;
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
    f.decodeResponse = s.decodeResponse < kChoices ? s.decodeResponse : 0;
    f.firstToneTime = TimePosition(s.firstToneTime, kFirstTime);
    f.secondToneTime = TimePosition(s.secondToneTime, kFirstTime);
    f.longToneTime = TimePosition(s.longToneTime, kLongToneTimeFallback);
    f.toneInterval = s.toneInterval <= kLastInterval ? s.toneInterval : kIntervalFallback;
    f.autoResetTime = s.autoResetTime <= kLastResetTime ? s.autoResetTime : 0;
    f.sideTone = s.sideTone == 1;
    return f;
}

void CommitTwoToneLists(const TwoToneListForm& f, TwoToneSettings& s) {
    s.callFormat = static_cast<std::uint8_t>(f.callFormat);
    s.decodeResponse = static_cast<std::uint8_t>(f.decodeResponse);
    s.firstToneTime = static_cast<std::uint8_t>(f.firstToneTime + kFirstTime);
    s.secondToneTime = static_cast<std::uint8_t>(f.secondToneTime + kFirstTime);
    s.longToneTime = static_cast<std::uint8_t>(f.longToneTime + kFirstTime);
    s.toneInterval = static_cast<std::uint8_t>(f.toneInterval);
    s.autoResetTime = static_cast<std::uint8_t>(f.autoResetTime);
    s.sideTone = f.sideTone ? 1 : 0;
}

std::array<std::string, 3> TwoToneCodeCells(const TwoToneCode& code) {
    if (code.empty != 0) return {};
    auto tone = [](HighByteFirst16 t) { return t.value ? ToneText(t.value) : std::string(); };
    return {tone(code.tone1), tone(code.tone2), code.name.text()};
}

}  // namespace torvik
