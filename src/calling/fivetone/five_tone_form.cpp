#include "calling/fivetone/five_tone_form.h"

#include <algorithm>
#include <cmath>

#include "calling/fivetone/five_tone_text.h"
#include "calling/fivetone/tone_standards.h"
#include "codeplug/fixed_text.h"
#include "platform/number_text.h"

namespace torvik {
namespace {

constexpr int kMsPerUnit = 10;
constexpr int kMaxTimesTen = 255;
constexpr int kLastResetTime = 250;
constexpr int kFirstPauseLevel = 5;
constexpr int kLastPauseLevel = 75;
constexpr int kLastDecodeTime = 200;
constexpr int kDefaultLengthPosition = kDefaultToneDuration - kMinToneDuration;
constexpr std::string_view kDefaultLengthText = "70";
constexpr std::array<std::int16_t, 4> kPauseCodes{11, 12, 13, 15};  // B, C, D, F
// Call prefixes followed by the own ID.
constexpr std::string_view kCallWithId[] = {"E2", "E6"};
constexpr std::string_view kDataCallPrefix = "E1";
constexpr std::string_view kPttIdPrefix = "E6";
constexpr std::size_t kDataCallHeader = 8;
constexpr std::size_t kCalledSymbols = 5;
constexpr std::size_t kAniWithSeparator = 11;
constexpr std::string_view kPttIdType = "PTTID";
constexpr std::string_view kAniType = "ANI";
constexpr std::string_view kDataGap = "        ";  // between a data call's code and message

std::uint8_t Byte(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

bool IsToneDuration(int d) {
    return d >= kMinToneDuration && d <= kMaxToneDuration;
}

int StandardOrZero(int standard) {
    return standard < kToneStandardCount ? standard : 0;
}

std::string HexOf(int value) {
    const char* digits = "0123456789ABCDEF";
    return std::string(1, digits[value & 0xF]);
}

// A code text cut or extended with "E" to `length` symbols.
std::string ToLength(std::string t, std::size_t length) {
    if (t.size() > length) t.resize(length);
    while (t.size() < length) t += kRepeatSymbol;
    return t;
}

bool StartsWithCallWithId(std::string_view t) {
    return std::any_of(std::begin(kCallWithId), std::end(kCallWithId),
                       [t](std::string_view p) { return t.starts_with(p); });
}

// An ANI call's called code as the user typed it, with its separator when it has one.
std::string AniCalledText(std::string_view t) {
    std::string called = Mid5ToneNoE(t, 1, static_cast<int>(kCalledSymbols));
    if (t.size() == kAniWithSeparator && !t.ends_with(kSelfIdPlaceholder)) {
        called += t[kCalledSymbols];
    }
    return called;
}

// The message of a data call: one character per pair of symbols after the header.
std::string DataCallMessage(std::string_view t) {
    std::string message;
    for (std::size_t i = kDataCallHeader; i + 1 < t.size(); i += 2) {
        const std::string pair(t.substr(i, 2));
        message += static_cast<char>(std::stoi(pair, nullptr, 16));
    }
    return message;
}

bool IsHexText(std::string_view t) {
    return std::all_of(t.begin(), t.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); });
}

FiveTonePttForm PttFormOf(FiveToneCode& code) {
    if (code.length > kFiveToneCodeSymbols) code.length = 0;
    code.standard = Byte(StandardOrZero(code.standard));
    return {
        ToLength(code.code.text(), code.length), code.standard,
        IsToneDuration(code.duration) ? code.duration - kMinToneDuration : kDefaultLengthPosition};
}

void SetCode(FiveToneCode& code, const std::string& text) {
    code.code = FixedText<kFiveToneCodeSymbols>::Value(text);
    code.length = Byte(static_cast<int>(text.size()));
}

std::optional<int> NumberOf(std::string_view text) {
    const std::optional<double> n = ParseDecimal(text);
    if (!n) return std::nullopt;
    return static_cast<int>(std::lround(*n));
}

}  // namespace

std::string& FiveToneCodeRow::cell(int column) {
    switch (column) {
        case kColType:
            return type;
        case kColCode:
            return code;
        case kColStandard:
            return standard;
        case kColDuration:
            return duration;
        default:
            return name;
    }
}

const std::string& FiveToneCodeRow::cell(int column) const {
    return const_cast<FiveToneCodeRow*>(this)->cell(column);
}

std::vector<std::string> ToneDurationItems() {
    std::vector<std::string> items;
    for (int d = kMinToneDuration; d <= kMaxToneDuration; ++d) {
        items.push_back(std::to_string(d * kMsPerUnit));
    }
    return items;
}

std::vector<std::string> TimesTenItems(int first) {
    std::vector<std::string> items;
    for (int v = first; v <= kMaxTimesTen; ++v) items.push_back(std::to_string(v * kMsPerUnit));
    return items;
}

std::vector<std::string> FiveToneResetTimeItems() {
    std::vector<std::string> items;
    for (int v = 0; v <= kLastResetTime; ++v) items.push_back(FormatFixed(v / 10.0, 1, 1));
    return items;
}

std::vector<std::string> PauseLevelItems(std::string off) {
    std::vector<std::string> items{std::move(off)};
    for (int v = kFirstPauseLevel; v <= kLastPauseLevel; ++v) items.push_back(std::to_string(v));
    return items;
}

std::vector<std::string> PauseCodeItems(std::string off) {
    std::vector<std::string> items{std::move(off)};
    for (std::int16_t code : kPauseCodes) items.push_back(HexOf(code));
    return items;
}

std::vector<std::string> DecodeTimeItems() {
    std::vector<std::string> items;
    for (int v = 0; v <= kLastDecodeTime; ++v) items.push_back(std::to_string(v * kMsPerUnit));
    return items;
}

std::vector<std::string> ToneStandardItems() {
    std::vector<std::string> items;
    for (const ToneStandard& s : ToneStandardTable) items.emplace_back(s.name);
    return items;
}

FiveToneForm FiveToneFormOf(FiveToneSettings& s, std::uint8_t decodeTime) {
    if (s.duration == 0) s.duration = kDefaultToneDuration;
    if (s.interCodePause < kFirstPauseLevel) s.interCodePause = 0;
    FiveToneForm f;
    f.ownId = s.ownId.text();
    f.standard = s.standard;
    f.decodeResponse = s.decodeResponse;
    f.duration = s.duration - kMinToneDuration;
    f.preSendDelay = s.preSendDelay - 1;
    f.postSendDelay = s.postSendDelay - 1;
    f.firstDigitDelay = s.firstDigitDelay - 1;
    f.pauseTime = s.pauseTime;
    f.autoResetTime = s.autoResetTime;
    f.interCodePause = s.interCodePause == 0 ? 0 : s.interCodePause - kFirstPauseLevel + 1;
    const auto pause = std::find(kPauseCodes.begin(), kPauseCodes.end(), s.pauseCodeRange);
    f.pauseCodeRange =
        pause == kPauseCodes.end() ? 0 : static_cast<int>(pause - kPauseCodes.begin()) + 1;
    f.decodeTime = decodeTime;
    f.sideTone = s.sideTone != 0;
    f.ptt = {PttFormOf(s.pttIdBegin), PttFormOf(s.pttIdEnd)};
    return f;
}

FiveToneCodeRow FiveToneRowOf(FiveToneCode& entry, std::string_view ownIdBox,
                              const FiveToneWords& words) {
    FiveToneCodeRow row;
    if (entry.empty != 0) {
        row.standard = ToneStandardTable[0].name;
        row.duration = kDefaultLengthText;
        return row;
    }
    if (entry.length > kFiveToneCodeSymbols) entry.length = 0;
    entry.standard = Byte(StandardOrZero(entry.standard));
    const std::string t = entry.code.text();
    if (t.starts_with(kDataCallPrefix) && t.size() >= kDataCallHeader && IsHexText(t)) {
        row.type = words.dataCall;
        row.code = Mid5ToneNoE(t, 3, static_cast<int>(kCalledSymbols)) + std::string(kDataGap) +
                   words.message + DataCallMessage(t);
    } else if (t.starts_with(kPttIdPrefix) && t.size() >= 6) {
        row.type = kPttIdType;
    } else if (IsAniCodeText(t, ownIdBox)) {
        row.type = kAniType;
        row.code = AniCalledText(t);
    } else {
        row.code = ToLength(t, entry.length);
    }
    row.standard = ToneStandardTable[entry.standard].name;
    row.duration = IsToneDuration(entry.duration) ? std::to_string(entry.duration * kMsPerUnit)
                                                  : std::string(kDefaultLengthText);
    row.name = entry.name.text();
    return row;
}

FiveToneCodeRows FiveToneRowsOf(FiveToneSettings& s, std::string_view ownIdBox,
                                const FiveToneWords& words) {
    FiveToneCodeRows rows;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        rows[k] = FiveToneRowOf(s.codeTable[k], ownIdBox, words);
    }
    return rows;
}

void GatherFiveTone(const FiveToneForm& f, const FiveToneCodeRows& rows, FiveToneSettings& s,
                    std::uint8_t& decodeTime) {
    const std::string& id = f.ownId;
    s.ownId = FixedText<6>::Value(id);
    s.ownIdLength = Byte(static_cast<int>(id.size()));
    s.decodeResponse = Byte(f.decodeResponse);
    s.standard = Byte(f.standard);
    s.duration = Byte(f.duration + kMinToneDuration);
    s.preSendDelay = Byte(f.preSendDelay + 1);
    s.postSendDelay = Byte(f.postSendDelay + 1);
    s.firstDigitDelay = static_cast<std::int16_t>(f.firstDigitDelay + 1);
    s.autoResetTime = Byte(f.autoResetTime);
    s.pauseTime = static_cast<std::int16_t>(f.pauseTime);
    s.interCodePause = Byte(f.interCodePause == 0 ? 0 : f.interCodePause + kFirstPauseLevel - 1);
    s.pauseCodeRange =
        f.pauseCodeRange == 0
            ? std::int16_t{0}
            : kPauseCodes[static_cast<std::size_t>(std::clamp(f.pauseCodeRange - 1, 0, 3))];
    s.sideTone = f.sideTone ? 1 : 0;
    decodeTime = Byte(f.decodeTime);

    FiveToneCode* ptt[] = {&s.pttIdBegin, &s.pttIdEnd};
    for (std::size_t i = 0; i < f.ptt.size(); ++i) {
        SetCode(*ptt[i], NormalizeFiveToneCode(f.ptt[i].code, id));
        ptt[i]->standard = Byte(f.ptt[i].standard);
        ptt[i]->duration = Byte(f.ptt[i].duration + kMinToneDuration);
    }

    for (std::size_t k = 0; k < rows.size(); ++k) {
        FiveToneCode& entry = s.codeTable[k];
        const FiveToneCodeRow& row = rows[k];
        std::string t = entry.code.text();
        if (t.size() > 2) {
            if (StartsWithCallWithId(t)) t = t.substr(0, 2) + id;
            if (IsAniCodeText(t, id)) {
                const std::size_t replaced =
                    t.ends_with(kSelfIdPlaceholder) ? kSelfIdPlaceholder.size() : kCalledSymbols;
                t = t.substr(0, t.size() - replaced) + id;
            }
            t = NormalizeFiveToneCode(CutAtNul(t), id);
        }
        SetCode(entry, CutAtNul(t));
        entry.standard = Byte(ToneStandardIndex(row.standard).value_or(0));
        const std::optional<int> ms = NumberOf(row.duration);
        const int duration = ms ? *ms / kMsPerUnit : kDefaultToneDuration;
        entry.duration = Byte(IsToneDuration(duration) ? duration : kDefaultToneDuration);
        entry.name = FixedText<7>::Value(CutAtNul(row.name));
    }
}

void RetargetFiveToneCodes(FiveToneSettings& s, std::string_view previousId) {
    const std::string id = s.ownId.text();
    auto retarget = [&](FiveToneCode& code) {
        std::string t = code.code.text();
        if (t.size() <= 1) return;
        if (StartsWithCallWithId(t)) t = t.substr(0, 2) + id;
        if (IsAniCodeText(t, previousId)) t = AniCalledText(t) + id;
        code.code = FixedText<kFiveToneCodeSymbols>::Value(t);
    };
    retarget(s.pttIdBegin);
    retarget(s.pttIdEnd);
    for (FiveToneCode& entry : s.codeTable) retarget(entry);
}

bool OpensFiveToneEditor(const FiveToneCodeRow& row, int column) {
    if (column == kColCode) return row.type.empty();
    if (column >= kColStandard && column <= kColName) {
        return !row.code.empty() || row.type == kPttIdType;
    }
    return false;
}

std::string StoreFiveToneCell(FiveToneSettings& s, FiveToneCodeRow& row, int entry, int column,
                              std::string_view text, std::string_view ownIdBox) {
    FiveToneCode& code = s.codeTable[static_cast<std::size_t>(entry)];
    switch (column) {
        case kColCode: {
            const std::string normal = NormalizeFiveToneCode(text, ownIdBox);
            SetCode(code, normal);
            code.empty = code.length > 0 ? 0 : 1;
            row.code = normal;
            break;
        }
        case kColStandard: {
            const int standard = ToneStandardIndex(text).value_or(0);
            if (row.standard != text) row.duration = std::to_string(DefaultToneLengthMs(standard));
            if (row.duration.empty()) row.duration = kDefaultLengthText;
            code.standard = Byte(standard);
            code.duration = Byte(NumberOf(row.duration).value_or(0) / kMsPerUnit);
            row.standard = ToneStandardTable[static_cast<std::size_t>(standard)].name;
            break;
        }
        case kColDuration:
            code.duration = Byte(NumberOf(text).value_or(0) / kMsPerUnit);
            row.duration = text;
            break;
        case kColName:
            code.name = FixedText<7>::Value(CutAtNul(text));
            row.name = code.name.text();
            break;
        default:
            break;
    }
    return row.cell(column);
}

std::pair<int, int> NextFiveToneCell(int entry, int column, bool editorEmpty) {
    const int next = (entry + 1) % kFiveToneEntryCount;
    switch (column) {
        case kColCode:
            return editorEmpty ? std::pair{next, kColCode} : std::pair{entry, kColStandard};
        case kColStandard:
            return {entry, kColDuration};
        case kColDuration:
            return {next, kColCode};
        default:
            return {next, column};
    }
}

void ResetFiveToneSpecialCall(FiveToneCode& entry, FiveToneCodeRow& row) {
    entry.length = 0;
    entry.code = FixedText<kFiveToneCodeSymbols>::Value("");
    row.type.clear();
    row.code.clear();
}

int DefaultToneLengthMs(int standard) {
    return ToneStandardTable[static_cast<std::size_t>(StandardOrZero(standard))].defaultLengthMs;
}

std::string ToneStandardText(int standard, const std::array<std::string, 4>& words) {
    const ToneStandard& s = ToneStandardTable[static_cast<std::size_t>(StandardOrZero(standard))];
    const std::string crlf = "\r\n";
    std::string text = std::string(s.name) + crlf + words[0] + "(Hz)" + crlf;
    for (int symbol = 0; symbol < kToneSymbolCount; ++symbol) {
        const std::string_view hz = s.frequencies[static_cast<std::size_t>(symbol)];
        text += HexOf(symbol) + (hz.empty() ? std::string() : " " + std::string(hz)) + crlf;
    }
    text += words[1] + "(ms) " + std::to_string(s.defaultLengthMs) + crlf;
    text += words[2] + " A" + crlf;
    text += words[3] + " E" + crlf;
    return text;
}

}  // namespace torvik
