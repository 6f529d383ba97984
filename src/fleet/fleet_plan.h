// What a fleet job will write: for every unit of a sound roster, the template with the unit's
// values and what that changes. A roster is sound when every unit's values are taken; then
// and only then may any radio be touched.
#pragma once

#include <vector>

#include "aggregate/codeplug.h"
#include "compare/codeplug_diff.h"
#include "fleet/roster.h"

namespace torvik {

struct UnitPlan {
    RosterUnit unit;
    Codeplug codeplug;                // the template with the unit's values
    std::vector<Difference> changes;  // template -> unit
};

struct FleetPlan {
    std::vector<UnitPlan> units;
    std::vector<RosterRefusal> refused;  // the roster's own and every unit's; empty when sound
};

// `texts` names the areas and values in the changes, as `diff` does.
FleetPlan PlanFleet(const Codeplug& templ, const Roster& roster, const Reporter& texts);

}  // namespace torvik
