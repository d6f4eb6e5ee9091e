// p- and y-multipliers for generated p-y curves at depth x below the top of
// the wall, from the p-y modification table or, without one, the
// closely-spaced-wall rule on WA / WP. PYMULT also stores RWAWP.
#pragma once

#include "engine/state.h"

namespace keldra {

double PYMULT(EngineState& s, double x);
double YMULT(const EngineState& s, double x);

}  // namespace keldra
