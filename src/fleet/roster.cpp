#include "fleet/roster.h"

#include <algorithm>
#include <map>

#include "interchange/csv_text.h"

namespace torvik {
namespace {

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The columns whose values must differ between units.
std::vector<std::string> DistinctColumns(const std::vector<std::string>& uniqueColumns) {
    std::vector<std::string> columns{std::string(kRosterFiveToneIdColumn),
                                     std::string(kRosterDtmfIdColumn)};
    for (const std::string& c : uniqueColumns) {
        if (std::find(columns.begin(), columns.end(), c) == columns.end()) columns.push_back(c);
    }
    return columns;
}

}  // namespace

Roster ReadRoster(std::string_view text, const std::vector<std::string>& uniqueColumns) {
    Roster roster;
    const std::vector<CsvLine> lines = ParseCsv(text);
    if (lines.empty()) {
        roster.refused.push_back({0, {}, "holds no header line"});
        return roster;
    }
    for (const std::string& name : lines.front().fields) roster.columns.push_back(Trimmed(name));
    const int headerLine = lines.front().lineNumber;
    std::map<std::string, int> seenColumns;
    int unitColumn = -1;
    for (std::size_t i = 0; i < roster.columns.size(); ++i) {
        const std::string& name = roster.columns[i];
        if (name.empty()) {
            roster.refused.push_back({headerLine, {}, "has a column without a name"});
            continue;
        }
        if (!seenColumns.emplace(name, int(i)).second) {
            roster.refused.push_back({headerLine, name, "names this column twice"});
        }
        if (name == kRosterUnitColumn) unitColumn = int(i);
    }
    if (unitColumn < 0) {
        roster.refused.push_back({headerLine, std::string(kRosterUnitColumn), "is missing"});
    }
    for (const std::string& column : uniqueColumns) {
        if (!seenColumns.count(column)) {
            roster.refused.push_back({headerLine, column, "is not a column of the roster"});
        }
    }
    if (!roster.refused.empty()) return roster;

    std::map<std::string, int> unitLines;
    for (std::size_t l = 1; l < lines.size(); ++l) {
        const CsvLine& line = lines[l];
        if (line.fields.size() > roster.columns.size()) {
            roster.refused.push_back({line.lineNumber,
                                      {},
                                      "has " + std::to_string(line.fields.size()) +
                                          " cells, more than the header's " +
                                          std::to_string(roster.columns.size())});
            continue;
        }
        RosterUnit unit;
        unit.line = line.lineNumber;
        for (std::size_t i = 0; i < line.fields.size(); ++i) {
            const std::string value = Trimmed(line.fields[i]);
            const std::string& column = roster.columns[i];
            if (column == kRosterUnitColumn) {
                unit.unit = value;
            } else if (column == kRosterDeviceColumn) {
                unit.device = value;
            } else if (column == kRosterSerialColumn) {
                unit.serial = value;
            } else if (!value.empty()) {
                unit.values.push_back({column, value});
            }
        }
        if (unit.unit.empty()) {
            roster.refused.push_back({unit.line, std::string(kRosterUnitColumn), "is empty"});
            continue;
        }
        if (const auto [it, added] = unitLines.emplace(unit.unit, unit.line); !added) {
            roster.refused.push_back(
                {unit.line, std::string(kRosterUnitColumn),
                 "repeats unit '" + unit.unit + "' of line " + std::to_string(it->second)});
            continue;
        }
        roster.units.push_back(std::move(unit));
    }

    for (const std::string& column : DistinctColumns(uniqueColumns)) {
        std::map<std::string, int> firstLine;
        for (const RosterUnit& unit : roster.units) {
            std::string value;
            if (column == kRosterDeviceColumn) value = unit.device;
            if (column == kRosterSerialColumn) value = unit.serial;
            for (const RosterValue& v : unit.values) {
                if (v.column == column) value = v.value;
            }
            if (value.empty()) continue;
            if (const auto [it, added] = firstLine.emplace(value, unit.line); !added) {
                roster.refused.push_back(
                    {unit.line, column,
                     "repeats '" + value + "' of line " + std::to_string(it->second)});
            }
        }
    }
    if (roster.units.empty() && roster.refused.empty()) {
        roster.refused.push_back({0, {}, "holds no unit"});
    }
    return roster;
}

std::string RosterRefusalText(const RosterRefusal& refusal) {
    std::string text = std::to_string(refusal.line) + ": ";
    if (!refusal.column.empty()) text += refusal.column + ": ";
    return text + refusal.reason;
}

}  // namespace torvik
