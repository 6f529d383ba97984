// 2-Tone arithmetic and the edits the 2-Tone editor makes to its working copy: tone values
// in 0.1 Hz, the divider counts of the radio's 9.6 MHz tone clock, the call formats, and
// storing tone cells and tone boxes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calling/twotone/two_tone_settings.h"

namespace torvik {

// Limits of a tone in Hz: leaving a tone box or storing a code cell clamps to
// kToneMinHz..kToneMaxHz; committing the tone boxes clamps to kToneCommitMinHz..kToneMaxHz.
inline constexpr double kToneMinHz = 288;
inline constexpr double kToneCommitMinHz = 280;
inline constexpr double kToneMaxHz = 3116;

inline constexpr int kCallFormats = 15;

// Hz as a tone value in 0.1 Hz, rounded to the nearest integer with halves to even. Values
// that are not positive give 0; values beyond 16 bits give 65535.
std::uint16_t ToneValueFromHz(double hz);

// Tone value in Hz.
constexpr double ToneHz(std::uint16_t value) {
    return value / 10.0;
}

// A tone value as shown: Hz with one decimal ("321.7").
std::string ToneText(std::uint16_t value);

// Divider of a transmit-call tone: integer part of 9 600 000 / (2 × Hz).
std::uint16_t CallDividerFromHz(double hz);
// Divider of a receive-code tone: integer part of 9 600 000 / (16 × Hz).
std::uint16_t CodeDividerFromHz(double hz);

// The tone boxes of a call format: indexes 0..3 into the tone table (A..D); `second` is
// nothing for the "Long" formats. A format above 14 is read as 0 ("A-B").
struct CallFormatTones {
    int first;
    std::optional<int> second;
};
CallFormatTones TonesOfCallFormat(int format);
// "A-B", "A-C", ... "Long C"; a format above 14 is named as 0.
std::string_view CallFormatName(int format);

// A tone box after the focus leaves it: nothing (not a number) or below 288 Hz gives 288,
// above 3116 Hz gives 3116.
double ClampToneBoxHz(std::optional<double> hz);

// Before the editor shows the record: a table tone whose high byte is 0x00 or 0xFF is not
// set and gets its default; a call divider of 0 becomes 1843.
void FillUnsetTwoToneTones(TwoToneSettings& settings);

// Stores a tone-1 cell of a code. Nothing (the cell is not a number) empties the whole code,
// name included, and gives nothing; otherwise the tone clamped to 288..3116 Hz is stored, the
// code becomes stored, and the clamped Hz is returned for display.
std::optional<double> StoreCodeTone1(TwoToneCode& code, std::optional<double> hz);
// The same for tone 2, except that nothing only clears tone 2 and the code stays as it was.
std::optional<double> StoreCodeTone2(TwoToneCode& code, std::optional<double> hz);
// Stores a name cell: the text cut at its first NUL and right-trimmed.
void StoreCodeName(TwoToneCode& code, std::string_view text);

// The commit of the tone boxes A..D (in Hz; nothing for a box that is not a number): each
// box is clamped to 280..3116 Hz and stored in the tone table, then the call tones and their
// dividers follow from the boxes `callFormat` names. A box that is not a number leaves its
// table tone as it was, and the call then uses that table tone.
void CommitTwoToneTones(TwoToneSettings& settings,
                        const std::array<std::optional<double>, 4>& boxesHz);

}  // namespace torvik
