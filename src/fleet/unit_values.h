// A unit's values put into its copy of the template codeplug, each as its editor takes it:
// the identity columns as typing into the editor's box and pressing OK (with every rule that
// follows: a new 5-Tone own ID re-targets the ANI and PTT-ID codes made for the old one, a new
// DTMF ID the call codes that end in it), any other column by its JSON field path as the JSON
// import takes it. Refusals name the roster line, the column and the reason; the codeplug is
// then left as it was.
#pragma once

#include <vector>

#include "aggregate/codeplug.h"
#include "fleet/roster.h"

namespace torvik {

std::vector<RosterRefusal> ApplyUnitValues(const RosterUnit& unit, Codeplug& codeplug);

}  // namespace torvik
