// The rules for 5-Tone code texts. The radio cannot send the same tone twice in a row, so a
// symbol equal to the one sent just before it is written as the repeat symbol "E". Every
// code typed into the 5-Tone editor or composed as a special call passes through
// NormalizeFiveToneCode before it is stored. Pure text functions, no state.
#pragma once

#include <string>
#include <string_view>

namespace torvik {

inline constexpr char kRepeatSymbol = 'E';
// Passed as the preceding symbol when nothing was sent before the text.
inline constexpr char kNoPrecedingSymbol = 'X';
// Stands for the radio's own ID in a code-table entry until the 5-Tone editor commits.
inline constexpr std::string_view kSelfIdPlaceholder = "SelfID";

// Replaces every symbol that equals the one sent just before it by "E", comparing with the
// result built so far (11111 gives 1E1E1). `preceding` is the symbol sent before the text
// (only decides the first comparison) or kNoPrecedingSymbol. The text is read up to its
// first NUL, right-trimmed. In a data call (text starting "E1") the message digits after
// the eighth symbol are left as they are.
std::string RepeatToneText(std::string_view text, char preceding);

// The repeat walk for ANI codes: no trimming and no data-call rule, but in an 11-symbol
// text the separator (6th) and the symbol after it are never substituted.
std::string RepeatToneAniText(std::string_view text);

// A separator symbol of an ANI code: "A".."F" in either case.
bool IsAniSeparator(char c);

// True when `text` is an ANI code: the called party's 5 symbols, an optional separator,
// then the own ID (plain or repeat-substituted) or the "SelfID" placeholder.
bool IsAniCodeText(std::string_view text, std::string_view ownId);

// The stored form of a typed or composed code text.
std::string NormalizeFiveToneCode(std::string_view text, std::string_view ownId);

// `count` symbols of `text` from position `start` (counted from 1), with each "E" replaced
// by the character just before it in `text`, so 1E3E5 from 1 for 5 gives 11335. Positions
// outside the text give nothing; an "E" at the very start has nothing to repeat and stays.
std::string Mid5ToneNoE(std::string_view text, int start, int count);

}  // namespace torvik
