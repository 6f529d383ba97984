// The roster of a fleet job: one row per unit (radio) to program, columns by header name in
// any order. `Unit` names the unit; `Device` and `Serial` pin it to a port or to the radio
// with that serial number; every other column is a value the unit gets (its identity, or any
// field by its JSON path). Reading checks what the rows alone can tell: a missing or repeated
// unit label, values that must differ between units and do not.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace torvik {

inline constexpr std::string_view kRosterUnitColumn = "Unit";
inline constexpr std::string_view kRosterDeviceColumn = "Device";
inline constexpr std::string_view kRosterSerialColumn = "Serial";
// The identity columns, applied as typing the value into its editor would apply it.
inline constexpr std::string_view kRosterFiveToneIdColumn = "FiveToneId";
inline constexpr std::string_view kRosterDtmfIdColumn = "DtmfId";
inline constexpr std::string_view kRosterMessageColumn = "Message";
inline constexpr std::string_view kRosterPasswordColumn = "PowerOnPassword";

struct RosterValue {
    std::string column;
    std::string value;  // never empty: an empty cell keeps the template's value
};

struct RosterUnit {
    int line = 0;  // the roster line of the row
    std::string unit;
    std::string device;  // a path or a port number; empty when not pinned
    std::string serial;  // empty when not pinned
    std::vector<RosterValue> values;
};

// Why a roster (or a value of it) is refused: its line (0 for the header or the whole
// file), its column and the reason.
struct RosterRefusal {
    int line = 0;
    std::string column;
    std::string reason;
};

struct Roster {
    std::vector<std::string> columns;  // as the header names them
    std::vector<RosterUnit> units;
    std::vector<RosterRefusal> refused;  // empty when the rows are sound
};

// Reads a roster. Values of FiveToneId, DtmfId and of every column in `uniqueColumns` must
// differ between units; a repeat is refused naming both lines.
Roster ReadRoster(std::string_view text, const std::vector<std::string>& uniqueColumns = {});

// "LINE: COLUMN: reason", or "LINE: reason" without a column.
std::string RosterRefusalText(const RosterRefusal& refusal);

}  // namespace torvik
