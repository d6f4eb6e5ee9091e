// The results section of the report: the iteration heading, the warnings of
// the solution, and one line per station 0 .. NINC.
#pragma once

#include "engine/results.h"
#include "engine/solver.h"

namespace keldra {

void WriteResultsSection(EngineState& s, const SolveOutcome& outcome,
                         const StationResults& results);

}  // namespace keldra
