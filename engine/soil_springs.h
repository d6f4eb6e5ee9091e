// The soil springs of one iteration: every p-y curve of the store, evaluated
// at the current deflections, joins the station loads QS and springs SS.
//
// Curves are walked in store order. A curve with a continuation flag starts a
// pair that the next curve ends; the stations between the two take springs
// interpolated linearly between the two curves, with half weight at both ends
// so that chained pairs share their end stations. A curve without the flag
// that does not end a pair stands alone at its station. Two joined curves at
// the same station add nothing; the next curve pairs with the earlier one.
#pragma once

#include "engine/run_status.h"
#include "engine/state.h"

namespace keldra {

// Stops with "STATIONS NOT IN ORDER" for a pair whose end precedes its start.
Step AddSoilSprings(EngineState& s, bool& off_curve);

}  // namespace keldra
