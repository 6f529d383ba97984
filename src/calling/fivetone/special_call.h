// The 5-Tone special calls without their dialog: a data call (the called party's code and a
// short message), an ANI call (the called code, an optional separator and the own ID) and a
// PTT-ID call (a fixed prefix and the own ID), composed for a PTT-ID code box or for an
// entry of the code table, and the characters the dialog's boxes accept.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "calling/fivetone/five_tone_form.h"
#include "calling/fivetone/five_tone_settings.h"

namespace torvik {

// Call types in list order.
enum class SpecialCallType { Data = 0, Ani = 1, PttId = 2 };

// What the dialog writes to: a code-table entry, or the PTT-ID begin or end box.
enum class SpecialCallTarget { CodeTable = 0, PttIdBegin = 1, PttIdEnd = 2 };

inline constexpr int kCalledCodeChars = 5;
inline constexpr int kDataTextChars = 16;
// A PTT-ID code holds 24 symbols: a data call for a PTT-ID box takes 8 message characters.
inline constexpr int kPttIdDataTextChars = (kPttIdCodeSymbols - 8) / 2;

struct SpecialCallInput {
    SpecialCallType type = SpecialCallType::Data;
    std::string dataCode;  // called party, data call
    std::string dataText;  // message, data call
    std::string aniCode;   // called party, ANI call
    char separator = 0;    // "A".."F", 0 for none
    std::string ownId;     // the own-ID box of the 5-Tone editor
};

// The separator list: item 0 none, items 1..6 "A".."F". The ANI separator setting holds
// 0 for none, 10..15 for "A".."F"; other values select item 0.
int SeparatorItemOf(std::int16_t aniSeparator);
std::int16_t SeparatorSettingOf(int item);
char SeparatorSymbolOf(int item);

// The called code of the chosen type has 5 characters (a PTT-ID call has none to check).
bool SpecialCallComplete(const SpecialCallInput& input);

// The text for a PTT-ID code box, normalised.
std::string SpecialCallBoxText(const SpecialCallInput& input);

// Writes the call into a code-table entry: the own ID stays the "SelfID" placeholder until the
// 5-Tone editor's OK; a data call's message is never repeat-substituted.
void WriteSpecialCallEntry(const SpecialCallInput& input, FiveToneCode& entry);

// The code list's type and code cells of an entry written by WriteSpecialCallEntry.
FiveToneCodeRow SpecialCallRowTexts(const SpecialCallInput& input, const FiveToneWords& words,
                                    FiveToneCodeRow row);

// Key rules: a called code takes digits and "A" ("a" typed as "A"); the message takes digits
// and letters, small letters typed as capitals.
std::optional<char> AcceptCalledCodeChar(char c);
std::optional<char> AcceptDataTextChar(char c);

}  // namespace torvik
