#include "fleet/fleet_plan.h"

#include "fleet/unit_values.h"

namespace torvik {

FleetPlan PlanFleet(const Codeplug& templ, const Roster& roster, const Reporter& texts) {
    FleetPlan plan;
    plan.refused = roster.refused;
    for (const RosterUnit& unit : roster.units) {
        UnitPlan unitPlan{unit, templ, {}};
        const std::vector<RosterRefusal> refused = ApplyUnitValues(unit, unitPlan.codeplug);
        plan.refused.insert(plan.refused.end(), refused.begin(), refused.end());
        if (!refused.empty()) continue;
        unitPlan.changes = CompareCodeplugs(templ, unitPlan.codeplug, texts);
        plan.units.push_back(std::move(unitPlan));
    }
    if (!plan.refused.empty()) plan.units.clear();
    return plan;
}

}  // namespace torvik
