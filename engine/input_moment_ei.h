// A13: moment-EI sets. Each set gives a station range and a polyline of
// (bending moment, EI) points; the solver takes the wall's EI there from the
// curvature of every iteration.
#pragma once

#include "engine/free_format.h"
#include "engine/run_status.h"
#include "engine/state.h"

namespace keldra {

Step ReadMomentEI(EngineState& s, FreeFormatReader& in);

}  // namespace keldra
