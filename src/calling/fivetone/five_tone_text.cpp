#include "calling/fivetone/five_tone_text.h"

#include <algorithm>

#include "codeplug/fixed_text.h"

namespace torvik {
namespace {

// A data call is "E1", the called code (5 symbols, with its own repeat substitution), "E",
// then the message as hexadecimal pairs that are data, not tones to be repeated.
constexpr std::string_view kDataCallPrefix = "E1";
constexpr std::size_t kDataCallHeader = 8;

constexpr std::size_t kAniCodeSymbols = 5;     // the called party's code
constexpr std::size_t kAniPlainLength = 10;    // code + own ID
constexpr std::size_t kAniWithSeparator = 11;  // code + separator + own ID
constexpr std::size_t kSeparatorPosition = 5;  // 0-based: the 6th symbol
constexpr std::size_t kOwnIdSymbols = 5;

// The walk shared by both substitutions. `keep(i)` says whether symbol i (0-based) is
// appended unchanged whatever it follows.
template <class Keep>
std::string RepeatWalk(std::string_view s, Keep keep) {
    std::string r;
    if (s.empty()) return r;
    r.reserve(s.size());
    r += s[0];
    for (std::size_t i = 1; i < s.size(); ++i) {
        if (!keep(i) && s[i] == r.back()) {
            r += kRepeatSymbol;
        } else {
            r += s[i];
        }
    }
    return r;
}

}  // namespace

std::string RepeatToneText(std::string_view text, char preceding) {
    if (text.empty()) return {};
    std::string s = CutAtNul(text);
    const bool hasPreceding = preceding != kNoPrecedingSymbol;
    if (hasPreceding) s.insert(s.begin(), preceding);
    const bool dataCall = s.starts_with(kDataCallPrefix);
    std::string r = RepeatWalk(s, [&](std::size_t i) { return dataCall && i >= kDataCallHeader; });
    if (hasPreceding && !r.empty()) r.erase(r.begin());
    return r;
}

std::string RepeatToneAniText(std::string_view text) {
    const bool withSeparator = text.size() == kAniWithSeparator;
    return RepeatWalk(text, [&](std::size_t i) {
        return withSeparator && (i == kSeparatorPosition || i == kSeparatorPosition + 1);
    });
}

bool IsAniSeparator(char c) {
    return (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

bool IsAniCodeText(std::string_view text, std::string_view ownId) {
    if (text.size() < kAniPlainLength) return false;
    const bool separatorAt6 = IsAniSeparator(text[kSeparatorPosition]);

    if (text.ends_with(kSelfIdPlaceholder)) {
        const std::size_t withPlaceholder = kAniCodeSymbols + kSelfIdPlaceholder.size();
        return text.size() == withPlaceholder ||
               (text.size() == withPlaceholder + 1 && separatorAt6);
    }

    if (ownId.size() != kOwnIdSymbols) return false;
    if (text.size() != kAniPlainLength && !(text.size() == kAniWithSeparator && separatorAt6)) {
        return false;
    }
    const std::size_t idStart = text.size() - kOwnIdSymbols;
    const std::string_view tail = text.substr(idStart);
    return tail == ownId || tail == RepeatToneText(ownId, kNoPrecedingSymbol) ||
           tail == RepeatToneText(ownId, text[idStart - 1]);
}

std::string NormalizeFiveToneCode(std::string_view text, std::string_view ownId) {
    if (IsAniCodeText(text, ownId)) return RepeatToneAniText(text);
    return RepeatToneText(text, kNoPrecedingSymbol);
}

std::string Mid5ToneNoE(std::string_view text, int start, int count) {
    std::string out;
    if (count <= 0) return out;
    // Positions start..start+count-1, kept to the ones inside the text.
    const long first = std::max<long>(start, 1);
    const long last = std::min<long>(long{start} + count - 1, static_cast<long>(text.size()));
    for (long pos = first; pos <= last; ++pos) {
        const auto i = static_cast<std::size_t>(pos - 1);
        out += (text[i] == kRepeatSymbol && i > 0) ? text[i - 1] : text[i];
    }
    return out;
}

}  // namespace torvik
