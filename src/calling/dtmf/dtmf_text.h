// The text rules of DTMF codes shared by the codec and the DTMF editors: the own ID, held
// and shown symbols, the code boxes' rewrites when the ID or the separator changes, and the
// codes the special-call dialog composes.
#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "calling/dtmf/dtmf_settings.h"

namespace torvik {

// The own ID as the radio takes it: cut at its first NUL and trimmed; decimal digits are
// right-padded with "0" to three ("7" gives "700"), anything else gives "000".
std::string NormalizeDtmfId(std::string_view text);

// Held symbols ("E", "F") as shown ("*", "#"), and back.
std::string DtmfShownText(std::string_view held);
std::string DtmfHeldText(std::string_view shown);

// A separator or group value 10..15 as its shown symbol "A".."D", "*", "#"; nothing for any
// other value.
std::optional<char> DtmfSymbolChar(int value);

// A character typed into a code box: the symbol it gives ("a".."d" become upper case), or
// nothing when the box refuses it.
std::optional<char> AcceptDtmfCodeChar(char c);

// What a code box shows: the held code cut to its length, in shown symbols.
template <std::size_t Width>
std::string ShownCode(const DtmfCode<Width>& code) {
    const std::size_t length =
        std::min<std::size_t>(code.length < 0 ? 0 : static_cast<std::size_t>(code.length), Width);
    const std::string held = code.code.text();
    return DtmfShownText(std::string_view(held).substr(0, length));
}

// Stores what a code box shows: its symbols in held form, its length the number of symbols.
template <std::size_t Width>
void StoreShownCode(DtmfCode<Width>& code, std::string_view shown) {
    const std::string held = DtmfHeldText(shown.substr(0, std::min(shown.size(), Width)));
    code.code = FixedText<Width>::Value(held);
    code.length = static_cast<std::int16_t>(held.size());
}

// A code box after the own ID changed to `newId` (three characters): a code of three digits,
// the separator and three digits, or of the separator and three digits, ends in the new ID.
// Any other text comes back unchanged.
std::string RetargetDtmfIdInCode(std::string_view shown, char separator, std::string_view newId);

// A code box after the separator changed: a code of three digits, a non-digit and the own ID,
// or of a non-digit and the own ID, gets `newSeparator` in place of that non-digit.
std::string ReseparateDtmfCode(std::string_view shown, char newSeparator, std::string_view dtmfId);

// True when the remote kill and stun codes (as shown) are the same non-empty code, which the
// radio could not tell apart.
bool RemoteCodesClash(std::string_view killCode, std::string_view stunCode);

enum class DtmfSpecialCall { Ani, PttId };

// The code the special-call dialog puts into a code box: for ANI the other party's code
// right-padded with "0" to three, the separator and the own ID; for PTT-ID the separator and
// the own ID.
std::string DtmfSpecialCallCode(DtmfSpecialCall kind, std::string_view otherCode, char separator,
                                std::string_view dtmfId);

// Before the DTMF editor shows the record: every value that no list entry shows is set to the
// value the editor then shows and would commit (off, the first entry or the default symbol),
// and the own ID is normalised.
void NormalizeDtmfForEditing(DtmfSettings& settings);

}  // namespace torvik
