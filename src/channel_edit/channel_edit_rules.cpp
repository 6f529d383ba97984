#include "channel_edit/channel_edit_rules.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "codeplug/freq_code.h"
#include "platform/number_text.h"

namespace torvik {
namespace {

// Frequencies compare in whole 10 Hz units: the codes cannot hold less, and doubles parsed
// from two texts of the same frequency need not be bit-equal after arithmetic.
long long TenHz(double mhz) {
    return std::llround(mhz * kTenHzPerMhz);
}

std::string FormatOffset(long long tenHz) {
    return FormatFixed(static_cast<double>(tenHz) / kTenHzPerMhz, 1, 5);
}

}  // namespace

int ChoiceOrFirst(int stored, int count) {
    return stored >= 0 && stored < count ? stored : 0;
}

std::vector<int> SignalingChoices(const FeatureFlags& features) {
    std::vector<int> choices{kSignalingNone};
    if (features.HasDTMF) choices.push_back(kSignalingDtmf);
    if (features.Has2Tone) choices.push_back(kSignalingTwoTone);
    if (features.Has5Tone) choices.push_back(kSignalingFiveTone);
    return choices;
}

int SignalingPosition(const std::vector<int>& choices, int stored) {
    const int position = NumberPosition(choices, stored);
    return position < 0 ? 0 : position;
}

std::vector<int> TwoToneNumberChoices(const TwoToneSettings& twoTone) {
    std::vector<int> numbers;
    for (int k = 0; k < kTwoToneCodes; ++k) {
        if (twoTone.codes[static_cast<std::size_t>(k)].empty == 0) numbers.push_back(k);
    }
    return numbers;
}

std::vector<int> FiveToneNumberChoices(const FiveToneSettings& fiveTone) {
    std::vector<int> numbers;
    for (int k = 0; k < kFiveToneEntryCount; ++k) {
        if (fiveTone.codeTable[static_cast<std::size_t>(k)].empty == 0) numbers.push_back(k);
    }
    return numbers;
}

int NumberPosition(const std::vector<int>& choices, int number) {
    const auto it = std::find(choices.begin(), choices.end(), number);
    return it == choices.end() ? -1 : static_cast<int>(it - choices.begin());
}

std::vector<int> SquelchModeList(bool toneSet, bool signalingSet) {
    if (toneSet && signalingSet) return {0, 1, 2, 3, 4};
    if (toneSet) return {0, 1};
    if (signalingSet) return {0, 2};
    return {0};
}

int SquelchPosition(const std::vector<int>& list, int mode) {
    const int position = NumberPosition(list, mode);
    return position < 0 ? 0 : position;
}

int ExtraDisplayEntry(int stored) {
    if (stored == 3) return 0;
    const int entry = stored <= 2 ? stored : stored - 1;
    return ChoiceOrFirst(entry, kExtraDisplayChoices);
}

int ExtraDisplayValue(int entry) {
    return entry <= 2 ? entry : entry + 1;
}

int TxPowerEntry(int stored) {
    return ChoiceOrFirst(stored == 3 ? 2 : stored, kTxPowerChoices);
}

bool AcceptTextChar(char c) {
    return static_cast<unsigned char>(c) <= 127;
}

bool AcceptRxFrequencyChar(char c) {
    return (c >= '0' && c <= '9') || c == '.';
}

bool AcceptNameChar(char c) {
    return c >= ' ' && c <= '}' && c != '\\';
}

std::string FilterRxFrequencyText(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (AcceptRxFrequencyChar(c) && out.size() < kFrequencyTextLength) out += c;
    }
    return out;
}

std::string FilterTxFrequencyText(std::string_view text) {
    std::string out;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && out.size() < kFrequencyTextLength) out += c;
    }
    return out;
}

std::array<std::string, kNameBoxes> SplitNameBoxes(std::string_view name) {
    std::array<std::string, kNameBoxes> boxes;
    for (std::size_t i = 0; i < boxes.size() && i < name.size(); ++i) boxes[i] = name[i];
    return boxes;
}

std::string JoinNameBoxes(const std::array<std::string, kNameBoxes>& boxes) {
    std::string name;
    for (const std::string& box : boxes) name += box.empty() ? ' ' : box.front();
    return name;
}

std::string PadPttIdCode(std::string_view code) {
    std::string padded(code.substr(0, kPttIdCodeLength));
    padded.insert(0, kPttIdCodeLength - padded.size(), '0');
    return padded;
}

std::string TransmitTextOnOpen(std::string_view rxText, int shiftDir, std::string_view offsetText) {
    const std::optional<double> rx = ParseDecimal(rxText);
    if (!rx) return std::string(rxText);
    const double offset = ParseDecimal(offsetText).value_or(0);
    double tx = *rx;
    if (shiftDir == 1) tx = *rx - offset;
    if (shiftDir == 2) tx = *rx + offset;
    return FormatFixed(tx, 1, 5);
}

std::optional<std::string> TransmitFollowingReceive(std::string_view rxText, long long shiftTenHz) {
    const std::optional<double> rx = ParseDecimal(rxText);
    if (!rx) return std::nullopt;
    return FormatFixed(static_cast<double>(TenHz(*rx) + shiftTenHz) / kTenHzPerMhz, 1, 5);
}

std::optional<long long> ShiftBetween(std::string_view rxText, std::string_view txText) {
    const std::optional<double> rx = ParseDecimal(rxText);
    if (!rx) return std::nullopt;
    if (txText.find_first_not_of(' ') == std::string_view::npos) return 0;
    const std::optional<double> tx = ParseDecimal(txText);
    if (!tx) return std::nullopt;
    return TenHz(*tx) - TenHz(*rx);
}

ShiftPreview PreviewShift(std::string_view rxText, std::string_view txText) {
    ShiftPreview preview;
    const std::optional<double> rx = ParseDecimal(rxText);
    if (!rx) return preview;
    const bool txEmpty = txText.find_first_not_of(' ') == std::string_view::npos;
    const std::optional<double> tx = txEmpty ? rx : ParseDecimal(txText);
    if (!tx) return preview;
    const long long r = TenHz(*rx);
    const long long t = TenHz(*tx);
    preview.valid = true;
    preview.shiftDir = r == t ? 0 : (r > t ? 1 : 2);
    preview.offsetText = FormatOffset(r > t ? r - t : t - r);
    return preview;
}

}  // namespace torvik
