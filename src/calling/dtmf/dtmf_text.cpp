#include "calling/dtmf/dtmf_text.h"

#include "codeplug/byte_fields.h"

namespace torvik {
namespace {

constexpr std::size_t kIdDigits = 3;
constexpr char kPadDigit = '0';
constexpr std::string_view kSymbolChars = "ABCD*#";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string PadWithZeros(std::string_view text, std::size_t width) {
    std::string padded(text);
    if (padded.size() < width) padded.resize(width, kPadDigit);
    return padded;
}

std::string Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

bool InRange(int value, int low, int high) {
    return value >= low && value <= high;
}

void Limit(std::int16_t& value, int low, int high, std::int16_t fallback) {
    if (!InRange(value, low, high)) value = fallback;
}

}  // namespace

std::string NormalizeDtmfId(std::string_view text) {
    const std::string id = Trimmed(CutAtNul(text));
    if (!IsDecimalDigits(id) || id.size() > kIdDigits) return std::string(kIdDigits, kPadDigit);
    return PadWithZeros(id, kIdDigits);
}

std::string DtmfShownText(std::string_view held) {
    std::string shown(held);
    for (char& c : shown) {
        if (c == 'E') c = '*';
        if (c == 'F') c = '#';
    }
    return shown;
}

std::string DtmfHeldText(std::string_view shown) {
    std::string held(shown);
    for (char& c : held) {
        if (c == '*') c = 'E';
        if (c == '#') c = 'F';
    }
    return held;
}

std::optional<char> DtmfSymbolChar(int value) {
    if (!InRange(value, kDtmfSymbolA, kDtmfSymbolHash)) return std::nullopt;
    return kSymbolChars[static_cast<std::size_t>(value - kDtmfSymbolA)];
}

std::optional<char> AcceptDtmfCodeChar(char c) {
    if (c >= 'a' && c <= 'd') return static_cast<char>(c - 'a' + 'A');
    if (IsDigit(c) || kSymbolChars.find(c) != std::string_view::npos) return c;
    return std::nullopt;
}

std::string RetargetDtmfIdInCode(std::string_view shown, char separator, std::string_view newId) {
    std::string code(shown);
    if (newId.size() != kIdDigits) return code;
    const bool idCall = code.size() == 7 && IsDecimalDigits(shown.substr(0, 3)) &&
                        code[3] == separator && IsDecimalDigits(shown.substr(4));
    const bool pttIdCall =
        code.size() == 4 && code[0] == separator && IsDecimalDigits(shown.substr(1));
    if (idCall || pttIdCall) code.replace(code.size() - kIdDigits, kIdDigits, newId);
    return code;
}

std::string ReseparateDtmfCode(std::string_view shown, char newSeparator, std::string_view dtmfId) {
    std::string code(shown);
    const auto endsInId = [&] { return shown.substr(shown.size() - kIdDigits) == dtmfId; };
    if (code.size() == 7 && IsDecimalDigits(shown.substr(0, 3)) &&
        IsDecimalDigits(shown.substr(4)) && endsInId() && !IsDigit(code[3])) {
        code[3] = newSeparator;
    } else if (code.size() == 4 && endsInId() && !IsDigit(code[0])) {
        code[0] = newSeparator;
    }
    return code;
}

bool RemoteCodesClash(std::string_view killCode, std::string_view stunCode) {
    const std::string kill = Trimmed(killCode);
    return !kill.empty() && kill == Trimmed(stunCode);
}

std::string DtmfSpecialCallCode(DtmfSpecialCall kind, std::string_view otherCode, char separator,
                                std::string_view dtmfId) {
    std::string code;
    if (kind == DtmfSpecialCall::Ani) code = PadWithZeros(otherCode, kIdDigits);
    code += separator;
    code += dtmfId;
    return code;
}

void NormalizeDtmfForEditing(DtmfSettings& s) {
    Limit(s.aniEnabled, 0, 1, 0);
    Limit(s.digitDuration, 0, 5, 0);
    Limit(s.pttIdMode, 0, 3, 0);
    s.dtmfId = FixedText<3>::Value(NormalizeDtmfId(s.dtmfId.raw()));
    Limit(s.separatorCode, kDtmfSymbolA, kDtmfSymbolHash, kDtmfSymbolStar);
    Limit(s.groupCode, kDtmfSymbolA, kDtmfSymbolHash, kDtmfGroupOff);
    Limit(s.decodeResponse, 0, 2, 0);
    Limit(s.firstDigitDelay, 0, 250, 0);
    // The delay lists start at their first entry, 1.
    Limit(s.preSendDelay, 1, 250, 1);
    Limit(s.resetTime, 0, 250, 0);
    Limit(s.postSendDelay, 1, 250, 1);
    Limit(s.pauseTime, 5, 75, 0);
    Limit(s.sideTone, 0, 1, 0);
}

}  // namespace torvik
