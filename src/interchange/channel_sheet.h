// Channel rows as spreadsheets copy and paste them: tab-separated text, a header row of the
// channel list's column titles and the cells as the list shows them. Pasted text goes through
// the channel editor's rules cell by cell, as typing it into the list would; what the rules
// refuse is listed, so the user can take the rest or nothing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "aggregate/codeplug.h"
#include "channel_edit/channel_rows.h"
#include "codeplug/feature_flags.h"
#include "platform/reporter.h"

namespace torvik {

// The rows `rows` (channel numbers 1..203) as tab-separated text ending in a line break: the
// list's column titles, then one line per row with its label and cells as the list shows
// them (a row without a channel: its label and empty cells). The hidden column is left out.
std::string ChannelRowsAsSheet(const Codeplug& codeplug, const std::vector<int>& rows,
                               Reporter& texts);

// A pasted value the rules did not take.
struct SheetRefusal {
    int row = 0;     // the channel number it was meant for; 0 when past the last row
    int column = 0;  // the list's column (channel_rows.h), 0 when there is none
    std::string value;
    std::string reason;
};

struct SheetPaste {
    Codeplug result;                    // the codeplug with every value that was taken
    std::vector<int> changedRows;       // ascending
    std::vector<SheetRefusal> refused;  // in the order of the text
};

// Where a paste goes and how its columns are recognised.
struct SheetTarget {
    int row = 1;     // the first channel number that takes a line
    int column = 1;  // the list's column of the first field of a text without header
    // The list's column titles in each language the header row may use.
    std::vector<ChannelCells> titleSets;
};

// Pastes `text` into a copy of `codeplug`. A first line whose every field names a column
// (a list title in any of `titleSets`, or a column of the channel CSV) is a header: with list
// titles, each field goes to its column; with the CSV's columns (it must have "Frequency"),
// each line is read as a CSV row, placed at the target rows whatever its Location says.
// Without a header the fields fill the list's shown columns in order from `target.column`.
// Line n goes to channel number target.row + n. In each line the receive frequency is taken
// first, so a line can make a new channel; empty fields leave their cells alone.
SheetPaste PasteSheet(Codeplug codeplug, const FeatureFlags& features, std::string_view text,
                      const SheetTarget& target, const Reporter& texts);

}  // namespace torvik
