#include "calling/twotone/two_tone_tones.h"

#include <algorithm>
#include <cmath>

#include "platform/number_text.h"

namespace torvik {
namespace {

constexpr double kToneClockHz = 9'600'000;
constexpr double kCallClockFactor = 2;
constexpr double kCodeClockFactor = 16;
constexpr double kMax16 = 65535;

// Unset table tones are recognised by their high byte.
constexpr std::uint8_t kUnsetHighLow = 0x00;
constexpr std::uint8_t kUnsetHighHigh = 0xFF;
constexpr std::uint16_t kDefaultCallDivider = 0x0733;
constexpr std::array<std::uint16_t, 4> kDefaultTableTones{3217, 9281, 6265, 20438};

struct FormatEntry {
    std::string_view name;
    int first;
    std::optional<int> second;
};

constexpr int A = 0, B = 1, C = 2, D = 3;
const std::array<FormatEntry, kCallFormats> kFormats{{
    {"A-B", A, B},
    {"A-C", A, C},
    {"A-D", A, D},
    {"B-A", B, A},
    {"B-C", B, C},
    {"B-D", B, D},
    {"C-A", C, A},
    {"C-B", C, B},
    {"C-D", C, D},
    {"D-A", D, A},
    {"D-B", D, B},
    {"D-C", D, C},
    {"Long A", A, std::nullopt},
    {"Long B", B, std::nullopt},
    {"Long C", C, std::nullopt},
}};

const FormatEntry& Format(int format) {
    return kFormats[format >= 0 && format < kCallFormats ? format : 0];
}

std::uint16_t Divider(double hz, double factor) {
    if (!(hz > 0)) return 0;
    const double count = kToneClockHz / (factor * hz);
    return count >= kMax16 ? std::uint16_t{65535} : static_cast<std::uint16_t>(count);
}

std::array<LowByteFirst16*, 4> ToneTable(TwoToneSettings& s) {
    return {&s.toneA, &s.toneB, &s.toneC, &s.toneD};
}

void EmptyCode(TwoToneCode& code) {
    code.empty = 1;
    code.divider1.value = 0;
    code.divider2.value = 0;
    code.tone1.value = 0;
    code.tone2.value = 0;
    code.name = FixedText<7>::Value("");
}

double ClampCodeHz(double hz) {
    return std::clamp(hz, kToneMinHz, kToneMaxHz);
}

}  // namespace

std::uint16_t ToneValueFromHz(double hz) {
    const double tenths = hz * 10;
    if (!(tenths > 0)) return 0;
    if (tenths >= kMax16) return 65535;
    double whole = std::floor(tenths);
    const double fraction = tenths - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2) != 0)) whole += 1;
    return static_cast<std::uint16_t>(whole);
}

std::string ToneText(std::uint16_t value) {
    return FormatFixed(ToneHz(value), 1, 1);
}

std::uint16_t CallDividerFromHz(double hz) {
    return Divider(hz, kCallClockFactor);
}
std::uint16_t CodeDividerFromHz(double hz) {
    return Divider(hz, kCodeClockFactor);
}

CallFormatTones TonesOfCallFormat(int format) {
    const FormatEntry& entry = Format(format);
    return {entry.first, entry.second};
}

std::string_view CallFormatName(int format) {
    return Format(format).name;
}

double ClampToneBoxHz(std::optional<double> hz) {
    return hz ? ClampCodeHz(*hz) : kToneMinHz;
}

void FillUnsetTwoToneTones(TwoToneSettings& s) {
    const auto table = ToneTable(s);
    for (std::size_t i = 0; i < table.size(); ++i) {
        const auto high = static_cast<std::uint8_t>(table[i]->value >> 8);
        if (high == kUnsetHighLow || high == kUnsetHighHigh)
            table[i]->value = kDefaultTableTones[i];
    }
    if (s.callDivider1.value == 0) s.callDivider1.value = kDefaultCallDivider;
    if (s.callDivider2.value == 0) s.callDivider2.value = kDefaultCallDivider;
}

std::optional<double> StoreCodeTone1(TwoToneCode& code, std::optional<double> hz) {
    if (!hz) {
        EmptyCode(code);
        return std::nullopt;
    }
    const double clamped = ClampCodeHz(*hz);
    code.tone1.value = ToneValueFromHz(clamped);
    code.divider1.value = CodeDividerFromHz(clamped);
    code.empty = 0;
    return clamped;
}

std::optional<double> StoreCodeTone2(TwoToneCode& code, std::optional<double> hz) {
    if (!hz) {
        code.tone2.value = 0;
        code.divider2.value = 0;
        return std::nullopt;
    }
    const double clamped = ClampCodeHz(*hz);
    code.tone2.value = ToneValueFromHz(clamped);
    code.divider2.value = CodeDividerFromHz(clamped);
    return clamped;
}

void StoreCodeName(TwoToneCode& code, std::string_view text) {
    code.name = FixedText<7>::Value(CutAtNul(text));
}

void CommitTwoToneTones(TwoToneSettings& s, const std::array<std::optional<double>, 4>& boxesHz) {
    const auto table = ToneTable(s);
    std::array<double, 4> hz{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (boxesHz[i]) {
            hz[i] = std::clamp(*boxesHz[i], kToneCommitMinHz, kToneMaxHz);
            table[i]->value = ToneValueFromHz(hz[i]);
        } else {
            hz[i] = ToneHz(table[i]->value);
        }
    }

    const CallFormatTones tones = TonesOfCallFormat(s.callFormat);
    const double first = hz[static_cast<std::size_t>(tones.first)];
    s.callTone1.value = ToneValueFromHz(first);
    s.callDivider1.value = CallDividerFromHz(first);
    const double second = tones.second ? hz[static_cast<std::size_t>(*tones.second)] : 0;
    if (second > 0) {
        s.callTone2.value = ToneValueFromHz(second);
        s.callDivider2.value = CallDividerFromHz(second);
    } else {
        s.callTone2.value = 0;
        s.callDivider2.value = 0;
    }
}

}  // namespace torvik
