// The 5-Tone editor without its widgets: the items of its lists, what each control and each
// cell of the code list shows for the working copy, storing an edited cell, the own-ID
// re-targeting of the calls, and the record an OK (or leaving the own-ID box) gathers from
// the controls.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calling/fivetone/five_tone_settings.h"

namespace torvik {

inline constexpr int kOwnIdDigits = 5;

// The code list's columns as it shows them; column 0 holds the entry number.
enum FiveToneColumn {
    kColEntry = 0,
    kColType = 1,  // the kind of special call, empty for a plain code
    kColCode = 2,
    kColStandard = 3,
    kColDuration = 4,
    kColName = 5,
    kFiveToneColumns = 6,
};

// The texts of one row of the code list, columns 1..5. The list keeps them between edits:
// an OK takes the standard, tone length and name of every entry from them.
struct FiveToneCodeRow {
    std::string type, code, standard, duration, name;

    std::string& cell(int column);
    const std::string& cell(int column) const;
    bool operator==(const FiveToneCodeRow&) const = default;
};
using FiveToneCodeRows = std::array<FiveToneCodeRow, kFiveToneEntryCount>;

// Language texts the code list is made of: the data-call type (60073) and the word before a
// data call's message (60084).
struct FiveToneWords {
    std::string dataCall;
    std::string message;
};

// A PTT-ID code as its box and lists show it.
struct FiveTonePttForm {
    std::string code;
    int standard = 0;
    int duration = 0;  // position: tone length 30..100 ms

    bool operator==(const FiveTonePttForm&) const = default;
};

// The controls outside the code list: texts and list positions.
struct FiveToneForm {
    std::string ownId;
    int standard = 0;
    int decodeResponse = 0;
    int duration = 0;         // 30..100 ms
    int preSendDelay = 0;     // 10..2550
    int postSendDelay = 0;    // 10..2550
    int firstDigitDelay = 0;  // 10..2550
    int pauseTime = 0;        // 0..2550
    int autoResetTime = 0;    // 0.0..25.0
    int interCodePause = 0;   // off, 5..75
    int pauseCodeRange = 0;   // off, B, C, D, F
    int decodeTime = 0;       // 0..2000
    bool sideTone = false;
    std::array<FiveTonePttForm, 2> ptt;  // begin, end

    bool operator==(const FiveToneForm&) const = default;
};

// List items. `off` is the language's word for a switched-off value.
std::vector<std::string> ToneDurationItems();               // 30 .. 100
std::vector<std::string> TimesTenItems(int first);          // first × 10 .. 2550
std::vector<std::string> FiveToneResetTimeItems();          // 0.0 .. 25.0
std::vector<std::string> PauseLevelItems(std::string off);  // off, 5 .. 75
std::vector<std::string> PauseCodeItems(std::string off);   // off, B, C, D, F
std::vector<std::string> DecodeTimeItems();                 // 0 .. 2000
std::vector<std::string> ToneStandardItems();

// What the controls show. Values they cannot show are first set in the working copy to the
// value shown (a tone length of 0 to 70 ms, a pause level below 5 to off, PTT-ID codes with
// a length above 40 or an unknown standard to 0).
FiveToneForm FiveToneFormOf(FiveToneSettings& settings, std::uint8_t decodeTime);

// The row of one entry; a stored entry with a length above 40 or an unknown standard is set
// to 0 first. `ownIdBox` is what the own-ID box holds.
FiveToneCodeRow FiveToneRowOf(FiveToneCode& entry, std::string_view ownIdBox,
                              const FiveToneWords& words);
FiveToneCodeRows FiveToneRowsOf(FiveToneSettings& settings, std::string_view ownIdBox,
                                const FiveToneWords& words);

// Gathers the controls and the rows into the working copy and the decode time: the own
// settings, both PTT-ID codes (normalised), and for every entry the code with the own ID put
// in place of "SelfID" or of an ANI call's old ID, then its length, standard, tone length
// and name from its row.
void GatherFiveTone(const FiveToneForm& form, const FiveToneCodeRows& rows,
                    FiveToneSettings& settings, std::uint8_t& decodeTime);

// After the own ID changed from `previousId` to settings.ownId: PTT-ID calls ("E2", "E6")
// and ANI calls made for the previous ID end in the new one.
void RetargetFiveToneCodes(FiveToneSettings& settings, std::string_view previousId);

// Whether entering this cell opens its editor: not on a special call's code (changed only
// through the special-call dialog or reset), not on the standard, tone length or name of a
// row without code, except a PTT-ID call's.
bool OpensFiveToneEditor(const FiveToneCodeRow& row, int column);

// Stores an edited cell of entry `entry` into the working copy and the row, and returns what
// the cell shows then. A code is normalised; an empty one makes the entry not stored. A
// standard other than the one shown sets the tone length to the standard's own.
std::string StoreFiveToneCell(FiveToneSettings& settings, FiveToneCodeRow& row, int entry,
                              int column, std::string_view text, std::string_view ownIdBox);

// The cell Enter moves to from an editor: the code goes on to the standard when it holds a
// code, else to the next row; the standard to the tone length; the tone length to the code
// of the next row; the name to the next row. After the last row comes the first.
std::pair<int, int> NextFiveToneCell(int entry, int column, bool editorEmpty);

// A special call reset by double-click: its code goes, the row's type and code are emptied.
void ResetFiveToneSpecialCall(FiveToneCode& entry, FiveToneCodeRow& row);

// Tone length in ms a standard sets beside it when chosen.
int DefaultToneLengthMs(int standard);

// The read-only standard table: name, frequencies of the symbols, tone length, group and
// repeat symbol, lines ending in CR LF. The words are texts 60085..60088.
std::string ToneStandardText(int standard, const std::array<std::string, 4>& words);

}  // namespace torvik
