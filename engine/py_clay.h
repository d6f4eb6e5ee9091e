// What the three clay models share.
#pragma once

#include "engine/py_model.h"

namespace keldra {

// Active pressure moved into the clay curves: b·SIGVEXC - 2c·b, none when it
// is not positive (the cohesion holds the backfill at the excavation level).
[[nodiscard]] double ClayPASHIFT(double SIGVEXC, double c, double b);

// Passive resistance of a continuous wall: gamma'·X0·b + 2c·b.
[[nodiscard]] double ClayContinuousWallResistance(double gamma, double X0, double c, double b);

// Equivalent depth of a clay whose ultimate resistance grows as
// (0.25c + 0.5 gamma'·b)·x² + 3c·b·x up to the depth xr and stays 9c·b below
// it: the depth at which the accumulated resistance reaches S. A layer without
// cohesion gains no resistance from depth; its equivalent depth is 0.
[[nodiscard]] double ClayEquivalentDepth(double S, double c, double gamma, double b, double xr);

// A clay without a strain at 50 percent has no curve: the run stops.
[[nodiscard]] Step CheckE50(PyRun& run, const StationSide& st, double e50);

}  // namespace keldra
