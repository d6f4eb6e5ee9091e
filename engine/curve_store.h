// The p-y curve store the solver reads: per curve its station range (one
// station here), its continuation flag (1: joined to the next curve), its
// points with y increasing and the resistance times H, opposite in sign to y.
#pragma once

#include "engine/run_status.h"
#include "engine/state.h"

namespace keldra {

// Stores curve k at `station` from y and p (the resistance per unit length);
// stops when the station has no slot.
Step StoreCurve(EngineState& s, int k, int station, int joined, int points, const double* y,
                const double* p);

}  // namespace keldra
