#include "calling/fivetone/special_call.h"

#include <cctype>
#include <cstdio>

#include "calling/fivetone/five_tone_text.h"

namespace torvik {
namespace {

constexpr std::string_view kDataCallPrefix = "E1";
constexpr std::string_view kPttIdPrefix = "E6";
constexpr char kFirstSeparator = 'A';
constexpr char kLastSeparator = 'F';
constexpr std::int16_t kSeparatorValueOfA = 10;
constexpr std::string_view kAniType = "ANI";
constexpr std::string_view kPttIdType = "PTTID";

std::string MessageHex(std::string_view text) {
    std::string hex;
    for (unsigned char c : text) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02X", c);
        hex += pair;
    }
    return hex;
}

std::string Separator(const SpecialCallInput& in) {
    return in.separator ? std::string(1, in.separator) : std::string();
}

// The text before normalisation; `id` is the own ID or the placeholder.
std::string RawText(const SpecialCallInput& in, std::string_view id) {
    switch (in.type) {
        case SpecialCallType::Data:
            return std::string(kDataCallPrefix) + in.dataCode + "E";
        case SpecialCallType::Ani:
            return in.aniCode + Separator(in) + std::string(id);
        case SpecialCallType::PttId:
            break;
    }
    return std::string(kPttIdPrefix) + std::string(id);
}

}  // namespace

int SeparatorItemOf(std::int16_t aniSeparator) {
    const int item = aniSeparator - kSeparatorValueOfA + 1;
    return item >= 1 && item <= kLastSeparator - kFirstSeparator + 1 ? item : 0;
}

std::int16_t SeparatorSettingOf(int item) {
    return item <= 0 ? std::int16_t{0} : static_cast<std::int16_t>(kSeparatorValueOfA + item - 1);
}

char SeparatorSymbolOf(int item) {
    return item <= 0 ? '\0' : static_cast<char>(kFirstSeparator + item - 1);
}

bool SpecialCallComplete(const SpecialCallInput& in) {
    switch (in.type) {
        case SpecialCallType::Data:
            return in.dataCode.size() == kCalledCodeChars;
        case SpecialCallType::Ani:
            return in.aniCode.size() == kCalledCodeChars;
        case SpecialCallType::PttId:
            break;
    }
    return true;
}

std::string SpecialCallBoxText(const SpecialCallInput& in) {
    std::string raw = RawText(in, in.ownId);
    if (in.type == SpecialCallType::Data) raw += MessageHex(in.dataText);
    return NormalizeFiveToneCode(raw, in.ownId);
}

void WriteSpecialCallEntry(const SpecialCallInput& in, FiveToneCode& entry) {
    std::string raw = RawText(in, kSelfIdPlaceholder);
    std::string code = NormalizeFiveToneCode(raw, in.ownId);
    if (in.type == SpecialCallType::Data) {
        raw = RepeatToneText(raw, kNoPrecedingSymbol) + MessageHex(in.dataText);
        code = RepeatToneText(raw, kNoPrecedingSymbol);
    }
    entry.length = static_cast<std::uint8_t>(raw.size());
    entry.code = FixedText<kFiveToneCodeSymbols>::Value(code);
    entry.empty = 0;
}

FiveToneCodeRow SpecialCallRowTexts(const SpecialCallInput& in, const FiveToneWords& words,
                                    FiveToneCodeRow row) {
    switch (in.type) {
        case SpecialCallType::Data:
            row.type = words.dataCall;
            row.code = in.dataCode + " " + words.message + in.dataText;
            break;
        case SpecialCallType::Ani:
            row.type = kAniType;
            row.code = in.aniCode + Separator(in);
            break;
        case SpecialCallType::PttId:
            row.type = kPttIdType;
            row.code.clear();
            break;
    }
    return row;
}

std::optional<char> AcceptCalledCodeChar(char c) {
    if (std::isdigit(static_cast<unsigned char>(c)) || c == 'A') return c;
    if (c == 'a') return 'A';
    return std::nullopt;
}

std::optional<char> AcceptDataTextChar(char c) {
    if (!std::isalnum(static_cast<unsigned char>(c))) return std::nullopt;
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

}  // namespace torvik
