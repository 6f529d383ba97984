// Editing one cell of the channel list in place, through the channel editor's rules: which
// cells take typed text and which a choice from the channel editor's lists, what a cell's
// editor starts with and offers, and the edit itself, which is the channel editor opened on
// the row, given the one value and closed with OK.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "aggregate/codeplug.h"
#include "channel_edit/channel_edit_model.h"
#include "codeplug/feature_flags.h"
#include "platform/reporter.h"

namespace torvik {

// The list's columns (as channel_rows.h numbers them) that can be edited in place.
enum ChannelColumn {
    kColumnRxFreq = 1,
    kColumnTxFreq = 2,
    kColumnName = 3,
    kColumnStep = 4,
    kColumnBandwidth = 5,
    kColumnTxPower = 7,
    kColumnRxTone = 8,
    kColumnTxTone = 9,
    kColumnSignaling = 10,
};

enum class CellEditor { None, Text, List };

// The editor a cell opens. A row without a channel takes only its receive frequency, as the
// channel editor enables nothing else until there is one.
CellEditor ChannelCellEditor(int column, bool channelExists);

// What a text cell's editor starts with: the frequencies and the name as the channel
// editor shows them (the name without its padding blanks).
std::string ChannelCellText(const ChannelEditModel& model, int column);
// The characters a text cell takes as typed, and how many.
bool AcceptChannelCellChar(int column, char c);
int ChannelCellTextLength(int column);

// A list cell's entries, the channel editor's, and the one the channel has.
struct ChannelCellChoices {
    std::vector<std::string> entries;
    int current = -1;
};
ChannelCellChoices ChannelCellChoicesOf(const ChannelEditModel& model, int column,
                                        const Reporter& texts);

// What the editor of the cell of `row` (1..203) starts with: its kind, a text cell's text,
// a list cell's entries. `texts` gives the entries' words.
struct ChannelCellStart {
    CellEditor editor = CellEditor::None;
    std::string text;
    ChannelCellChoices choices;
};
ChannelCellStart StartChannelCell(const Codeplug& codeplug, const FeatureFlags& features, int row,
                                  int column, const Reporter& texts);

// A typed text, or the position of the chosen entry.
using ChannelCellValue = std::variant<std::string, int>;

struct ChannelCellEdit {
    bool changed = false;  // the codeplug holds the edited channel
    std::string refusal;   // why the value was not taken; empty when it was
    // A refused frequency as the rules correct it (to the band limit), for the user to check.
    std::string corrected;
};

// Edits the cell of `row` (1..203) in `codeplug`: the channel editor's rules apply to the
// value and its OK stores the channel. A value the rules refuse or correct (a frequency
// outside the band, a receive field that is not a number) leaves the codeplug as it was and
// says why. `texts` gives the messages' words.
ChannelCellEdit EditChannelCell(Codeplug& codeplug, const FeatureFlags& features, int row,
                                int column, const ChannelCellValue& value, const Reporter& texts);

}  // namespace torvik
