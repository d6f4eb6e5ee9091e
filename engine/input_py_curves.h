// p-y curves of a problem: user curves (A12), generated curves read back from
// SOILDATA, both, or none; their echo, the curve store and the p-y records of
// the plot-data block.
//
// A user curve given with generated curves stands alone; a user-only curve
// stands alone above the excavation and is joined to the next curve below
// it; every generated curve is joined to the next one.
#pragma once

#include "engine/free_format.h"
#include "engine/run_status.h"
#include "engine/state.h"

namespace keldra {

Step ReadPyCurves(EngineState& s, FreeFormatReader& in);

// SOILDATA: the user curves first, then the generated ones, into the store.
Step ReadSoilData(EngineState& s);

}  // namespace keldra
