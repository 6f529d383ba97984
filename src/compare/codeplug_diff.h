// What differs between two codeplugs, field by field, in the words a person reading the window
// would use: a channel by its row label with its values as the channel list shows them
// (145.50000, D023N), a function setting by its area and field with both stored values.
#pragma once

#include <string>
#include <vector>

#include "aggregate/codeplug.h"
#include "platform/reporter.h"

namespace torvik {

struct Difference {
    // "channel 12", "channel PA", or the area's name ("DTMF", "Scan"); "band" for the band.
    std::string place;
    // The channel's number for a channel's difference (the window names it in its language),
    // else 0.
    int channelNumber = 0;
    // The field ("RxFreq", "TxTone", "IdCode", "Entries[3].Tone1"); empty when the whole
    // channel is present on one side only.
    std::string field;
    std::string before;
    std::string after;
};

// Every difference from `a` to `b`: the band, then the channels in channel-number order, then
// the function settings in record order. Empty when the two are the same codeplug.
// `texts` gives the area names and the list's words (power levels, "none"); nothing is shown.
std::vector<Difference> CompareCodeplugs(const Codeplug& a, const Codeplug& b,
                                         const Reporter& texts);

// One difference as a line: "channel 12 RxFreq: 145.50000 -> 145.52500".
std::string DifferenceLine(const Difference& difference);

// `file` as a radio written with it would hold it: encoded for `band` and decoded again, so
// that what travels only in files (spare fields, the book's order) does not count when a file
// is compared with a radio. Nothing when the codeplug cannot be encoded (the reason goes to
// `reporter`).
std::optional<Codeplug> AsWrittenToRadio(const Codeplug& file, Reporter& reporter);

}  // namespace torvik
