// Nonlinear flexural rigidity: within each moment-EI set the wall's EI at a
// station becomes the point of the set's moment-EI polyline where the moment
// equals EI times the station's current curvature.
#pragma once

#include "engine/state.h"

namespace keldra {

// A polyline segment parallel to the line M = kappa * EI has no such point;
// the station then keeps its EI.
void UpdateFlexuralRigidity(EngineState& s);

}  // namespace keldra
