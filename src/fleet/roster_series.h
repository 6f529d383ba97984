// Making a roster of N units: the values of a column count up from unit to unit. The last run
// of digits in the start value counts by the step, keeping its width and leading zeros
// ("00017" gives 00017, 00018, ...; "UNIT-01" gives UNIT-01, UNIT-02, ..., UNIT-99, UNIT-100).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvik {

// A column and how its values go: `--set COLUMN=START[+STEP]`.
struct RosterSeries {
    std::string column;
    std::string start;
    long long step = 1;
};

// "COLUMN=START" or "COLUMN=START+STEP"; nothing when it has no "=", no column name, or a step
// that is not a whole number.
std::optional<RosterSeries> ParseRosterSeries(std::string_view text);

// The value of unit `index` (0 for the first). A start without digits repeats for every unit.
// Nothing when the count would need more digits than the start has or go below 0.
std::optional<std::string> SeriesValue(const RosterSeries& series, long long index);

// The roster text of `units` units: a Unit column counting 1..N unless a series names it, then
// one column per series, in the order given. The reason when a series goes below 0.
struct RosterText {
    std::string text;
    std::string refusal;  // empty when made
};
RosterText MakeRoster(int units, const std::vector<RosterSeries>& series);

}  // namespace torvik
