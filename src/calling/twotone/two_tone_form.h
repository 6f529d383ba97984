// The 2-Tone editor's lists without their widgets: the items each list offers, the position
// each shows for a record (with the entry a value no list offers falls back to), the record
// an OK makes of the positions, and the texts of the code grid.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "calling/twotone/two_tone_settings.h"

namespace torvik {

// List positions as the editor shows them.
struct TwoToneListForm {
    int callFormat = 0;      // "A-B" .. "Long C"
    int decodeResponse = 0;  // none, alert tone, auto reply
    int firstToneTime = 0;   // 0.5 .. 10.0 s
    int secondToneTime = 0;
    int longToneTime = 0;
    int toneInterval = 0;   // 0 .. 2000 ms
    int autoResetTime = 0;  // 0.0 .. 25.0 s
    bool sideTone = false;

    bool operator==(const TwoToneListForm&) const = default;
};

// Items of the first, second and long tone time lists: 0.5 .. 10.0.
std::vector<std::string> TwoToneTimeItems();
// Items of the tone interval list: 0, 100 .. 2000.
std::vector<std::string> TwoToneIntervalItems();
// Items of the reset time list: 0.0 .. 25.0.
std::vector<std::string> TwoToneResetTimeItems();
// The 15 call formats in order.
std::vector<std::string> CallFormatItems();

TwoToneListForm TwoToneListsOf(const TwoToneSettings& settings);
// OK: the list positions into the record.
void CommitTwoToneLists(const TwoToneListForm& form, TwoToneSettings& settings);

// The grid's cells of one code: tone 1, tone 2 and name; all empty for an empty code, a tone
// of 0 shown empty.
std::array<std::string, 3> TwoToneCodeCells(const TwoToneCode& code);

}  // namespace torvik
