// The channel editor's rules that need no window: the value lists and the mapping of stored
// values onto them, the squelch-list subsets, the character rules of the text fields, the
// seven name boxes, the PTT-ID code padding and the shift derived from the two frequencies.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calling/fivetone/five_tone_settings.h"
#include "calling/twotone/two_tone_settings.h"
#include "codeplug/channel_record.h"
#include "codeplug/feature_flags.h"

namespace torvik {

inline constexpr int kNameBoxes = 7;
inline constexpr std::size_t kFrequencyTextLength = 9;
inline constexpr std::size_t kPttIdCodeLength = 5;

// Value-list sizes; the texts are the window's (language-file keys).
inline constexpr int kBandwidthChoices = 3;    // 25, 20, 12.5 kHz
inline constexpr int kTxPowerChoices = 3;      // high, medium, low
inline constexpr int kToneTypeChoices = 3;     // none, CTCSS, DCS
inline constexpr int kDtmfMemoryChoices = 16;  // M1..M16
inline constexpr int kPttIdChoices = 4;        // off, begin, end, begin and end
inline constexpr int kScramblerChoices = 2;    // off, on
inline constexpr int kBusyLockChoices = 3;     // off, repeater, busy
inline constexpr int kSquelchModes = 5;        // the full squelch list F0..F4
inline constexpr int kExtraDisplayChoices = 10;

// The position a stored value selects in a list of `count` entries: the value itself when
// it is an entry, else the first entry. Values a newer file or radio may hold must not stop
// the editor from opening.
int ChoiceOrFirst(int stored, int count);

// The optional-signalling list as signalling types: none first, then DTMF, 2-Tone and
// 5-Tone for the systems the radio offers.
std::vector<int> SignalingChoices(const FeatureFlags& features);
// The position of a stored signalling type in that list; a type the list lacks is "none".
int SignalingPosition(const std::vector<int>& choices, int stored);

// The numbers of the stored 2-Tone codes (0..31) and 5-Tone code-table entries (0..99),
// ascending.
std::vector<int> TwoToneNumberChoices(const TwoToneSettings& twoTone);
std::vector<int> FiveToneNumberChoices(const FiveToneSettings& fiveTone);
// The position of `number` in such a list, -1 when it is not a stored entry.
int NumberPosition(const std::vector<int>& choices, int number);

// The visible squelch list as positions in the full list: with a tone and a signalling all
// five modes, with a tone only F0 F1, with a signalling only F0 F2, with neither F0.
std::vector<int> SquelchModeList(bool toneSet, bool signalingSet);
// The position in `list` of the full-list mode `mode`, else the first entry.
int SquelchPosition(const std::vector<int>& list, int mode);

// The hidden additional-display choice. The list has no entry for the stored value 3, so
// entries from 3 on stand for one value more.
int ExtraDisplayEntry(int stored);
int ExtraDisplayValue(int entry);

// Transmit power from a stored value: 3 is the highest level the list knows, anything else
// outside the list is the first entry.
int TxPowerEntry(int stored);

// Characters the text fields take as typed. Every field refuses bytes above 127; the
// receive frequency takes digits and "." only; a name box any printable character up to
// "}" except the backslash.
bool AcceptTextChar(char c);
bool AcceptRxFrequencyChar(char c);
bool AcceptNameChar(char c);
// Typed or pasted text cleaned by the receive-field rule and cut to its length.
std::string FilterRxFrequencyText(std::string_view text);
// The same for the transmit field, which has no character set of its own.
std::string FilterTxFrequencyText(std::string_view text);

// The stored name (as CutAtNul reads it) spread over the boxes, one character each.
std::array<std::string, kNameBoxes> SplitNameBoxes(std::string_view name);
// The boxes in order, an empty box standing for a blank: exactly seven characters.
std::string JoinNameBoxes(const std::array<std::string, kNameBoxes>& boxes);

// A PTT-ID code shorter than five digits, left-padded with "0": "12" is "00012".
std::string PadPttIdCode(std::string_view code);

// The transmit field's text when the editor opens: receive minus or plus the offset by the
// shift direction, else the receive text itself.
std::string TransmitTextOnOpen(std::string_view rxText, int shiftDir, std::string_view offsetText);

// The transmit text `shiftTenHz` (in 10 Hz) away from the receive text; nothing when the
// receive text is no number.
std::optional<std::string> TransmitFollowingReceive(std::string_view rxText, long long shiftTenHz);
// The shift from the receive to the transmit text in 10 Hz (an empty transmit text: none);
// nothing when either is no number.
std::optional<long long> ShiftBetween(std::string_view rxText, std::string_view txText);

// What the typed frequencies mean for the stored shift: direction 1 (transmit below
// receive), 2 (above) or 0, and the offset magnitude "0.00000". An empty transmit field
// means simplex. Not valid while either text is not a number.
struct ShiftPreview {
    bool valid = false;
    int shiftDir = 0;
    std::string offsetText;
};
ShiftPreview PreviewShift(std::string_view rxText, std::string_view txText);

}  // namespace torvik
