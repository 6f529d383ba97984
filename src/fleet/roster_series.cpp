#include "fleet/roster_series.h"

#include <cctype>
#include <charconv>

#include "fleet/roster.h"
#include "interchange/csv_text.h"

namespace torvik {
namespace {

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

}  // namespace

std::optional<RosterSeries> ParseRosterSeries(std::string_view text) {
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos || equals == 0) return std::nullopt;
    RosterSeries series;
    series.column = std::string(text.substr(0, equals));
    std::string_view value = text.substr(equals + 1);
    // A "+STEP" ends the value only when what follows is a whole number; "+" may be text.
    if (const std::size_t plus = value.rfind('+'); plus != std::string_view::npos) {
        const std::string_view step = value.substr(plus + 1);
        long long parsed = 0;
        const auto [end, error] = std::from_chars(step.data(), step.data() + step.size(), parsed);
        if (!step.empty() && error == std::errc() && end == step.data() + step.size()) {
            series.step = parsed;
            value = value.substr(0, plus);
        }
    }
    series.start = std::string(value);
    return series;
}

std::optional<std::string> SeriesValue(const RosterSeries& series, long long index) {
    const std::string& start = series.start;
    std::size_t end = start.size();
    while (end > 0 && !IsDigit(start[end - 1])) --end;
    if (end == 0) return start;  // no digits: the same value for every unit
    std::size_t begin = end;
    while (begin > 0 && IsDigit(start[begin - 1])) --begin;
    const std::string digits = start.substr(begin, end - begin);
    if (digits.size() > 18) return std::nullopt;  // beyond what a count can hold
    const long long value = std::stoll(digits) + series.step * index;
    if (value < 0) return std::nullopt;
    // At least the start's width, zeros in front; a count that outgrows it takes more digits.
    std::string counted = std::to_string(value);
    if (counted.size() < digits.size()) counted.insert(0, digits.size() - counted.size(), '0');
    return start.substr(0, begin) + counted + start.substr(end);
}

RosterText MakeRoster(int units, const std::vector<RosterSeries>& series) {
    std::vector<RosterSeries> columns;
    bool unitGiven = false;
    for (const RosterSeries& s : series) unitGiven |= s.column == kRosterUnitColumn;
    if (!unitGiven) columns.push_back({std::string(kRosterUnitColumn), "1", 1});
    columns.insert(columns.end(), series.begin(), series.end());

    RosterText roster;
    std::vector<std::string> header;
    for (const RosterSeries& c : columns) header.push_back(c.column);
    roster.text = CsvRecord(header) + "\n";
    for (int unit = 0; unit < units; ++unit) {
        std::vector<std::string> row;
        for (const RosterSeries& c : columns) {
            const std::optional<std::string> value = SeriesValue(c, unit);
            if (!value) {
                roster.refusal = c.column + " '" + c.start + "' cannot count to unit " +
                                 std::to_string(unit + 1);
                roster.text.clear();
                return roster;
            }
            row.push_back(*value);
        }
        roster.text += CsvRecord(row) + "\n";
    }
    return roster;
}

}  // namespace torvik
