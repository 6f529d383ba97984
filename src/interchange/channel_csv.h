// The memory channels as CSV in the generic column set of the common open-source radio
// programmers, and back: what the radio can hold is taken, every other row is refused with
// its line number and the reason.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "codeplug/band.h"
#include "codeplug/channel_record.h"

namespace torvik {

// A message about one line of the CSV text (line 0: about the whole file).
struct CsvLineMessage {
    int line = 0;
    std::string text;
};

struct ChannelCsvExport {
    std::string text;                // header and one row per memory channel
    std::vector<std::string> notes;  // what was left out
};

// Memory channels 1..200 as rows with Location 0..199, ascending. PA, PB and the VFO
// channel have no place in the format and are left out with a note.
ChannelCsvExport ChannelsToCsv(const ChannelTable& table, const Band& band);

struct ChannelCsvImport {
    std::vector<ChannelRecord> channels;  // the rows taken, ascending by channel number
    std::vector<CsvLineMessage> refused;  // rows the radio cannot hold, and file faults
    std::vector<CsvLineMessage> notes;    // rows taken with a change (snapped, shortened)
};

// Reads a channel CSV for a codeplug of `band`. A row's fields that the CSV does not carry
// (signalling, squelch mode, scrambler and the like) come from `base`'s channel of the same
// number, or are those of a new channel when `base` has none. Takes any bytes.
ChannelCsvImport ChannelsFromCsv(std::string_view text, const Band& band, const ChannelTable& base);

// The table with its memory channels replaced by `channels`: a memory channel that stays
// keeps its place, one that is gone leaves, new ones are appended in ascending order; PA, PB
// and the VFO channel stay as they are.
ChannelTable ReplaceMemoryChannels(const ChannelTable& table,
                                   const std::vector<ChannelRecord>& channels);

}  // namespace torvik
