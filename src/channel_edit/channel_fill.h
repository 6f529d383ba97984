// Fill: one column of many channels set at once, through the channel editor's rules as if
// each value were typed into its cell. Receive frequencies count up from a start in steps
// (each channel's transmit frequency keeps its shift), names follow a pattern with a counter
// ("CH{n}", "{n:02}"), and any other column takes one value. The result is computed whole
// before anything is stored, so the window can show it first and commit it as one step.
#pragma once

#include <string>
#include <vector>

#include "aggregate/codeplug.h"
#include "channel_edit/channel_batch.h"
#include "channel_edit/channel_rows.h"
#include "codeplug/feature_flags.h"
#include "platform/reporter.h"

namespace torvik {

struct FillRequest {
    int column = kColumnRxFreq;  // a list column a cell editor can change
    // Receive frequency: the first row's frequency (MHz) and the step between rows (kHz,
    // negative to count down).
    std::string start;
    std::string stepKhz;
    // Name: the text of every name, "{n}" standing for the counter and "{n:0W}" for it
    // zero-padded to W digits ("{n:W}": padded with blanks).
    std::string pattern;
    int counterStart = 1;
    // Any other column: the value, as its cell shows it (a list entry's text).
    std::string value;
};

// What the fill does to one selected row.
enum class FillAction {
    Filled,     // the value was taken (or the cell already held it)
    Refused,    // the rules refused the value; the channel stays as it was
    NoChannel,  // a name or another column on a row without a channel: left alone
};

struct FillRow {
    int row = 0;
    std::string value;  // the value asked for this row, as given to the cell
    FillAction action = FillAction::Filled;
    bool nameCut = false;  // the pattern gave more than seven bytes
    ChannelCells before;   // the row as the list shows it, before and after the fill
    ChannelCells after;
};

struct FillOutcome {
    // Why the request as a whole cannot be done (a start or step that is no number, a
    // column that cannot be filled); empty when it can. The words are built in.
    std::string error;
    Codeplug codeplug;  // the codeplug after the fill
    bool changed = false;
    std::vector<FillRow> rows;           // one per selected row, in the order given
    std::vector<RefusedValue> refusals;  // the refused rows' values and why
};

// The columns a fill can set: those whose cells take a value in place.
bool IsFillableColumn(int column);

// The name the pattern gives for `counter`.
std::string ExpandNamePattern(const std::string& pattern, int counter);

// Fills `column` of the channels `rows` (1..203) of `codeplug` as `request` says. A receive
// frequency on a row without a channel creates it, as typing it into the empty cell does;
// other columns leave such rows alone, and the name counter counts only the named channels.
// `texts` gives the messages' and cells' words and the language of the built-in ones.
FillOutcome FillChannels(const Codeplug& codeplug, const FeatureFlags& features,
                         const std::vector<int>& rows, const FillRequest& request,
                         const Reporter& texts);

}  // namespace torvik
