// A5 to A8: wall stiffness, loads and couples, springs and tiebacks, with
// their common echo table; and the check that no such data lies at the two
// stations below the tip.
#pragma once

#include "engine/free_format.h"
#include "engine/run_status.h"
#include "engine/state.h"

namespace keldra {

// Clears the station arrays and the shear-correction list, then reads,
// distributes and echoes the three groups.
Step ReadStiffnessAndLoads(EngineState& s, FreeFormatReader& in);

// Stops with "NON-ZERO TABLE 4 DATA BEYOND END" when stiffness, load or
// spring data reached stations NINC + 1 or NINC + 2.
Step CheckBeyondTip(EngineState& s);

}  // namespace keldra
