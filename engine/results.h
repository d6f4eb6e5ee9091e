// Slope, bending moment, shear and net soil reaction from the deflections,
// with the corrections for applied couples, for stations -1 .. NINC + 1.
#pragma once

#include "engine/solver.h"
#include "engine/state.h"

namespace keldra {

struct StationResult {
    double x, deflection, slope, moment, shear, reaction, EI;
};

struct StationResults {  // by station index J (station J - 4)
    StationResult at[kStationSlots + 1];
};

// Fills `results` and keeps stations 0 .. NINC + 1 as the result rows of the
// plot-data block.
void ComputeResults(EngineState& s, StationResults& results);

// Whether the deflection, slope, moment, shear and net reaction of every
// station 0 .. NINC + 1 are finite (a huge EI or H can overflow them).
[[nodiscard]] bool ResultsFinite(const EngineState& s, const StationResults& results);

}  // namespace keldra
