// A p-y curve at a deflection, as the linear spring of its segment there:
// force = intercept - stiffness * w. The intercept joins the station load,
// the stiffness the station spring. Resistances are stored opposite in sign
// to y, so the stiffness is positive where the resistance grows.
#pragma once

#include "engine/state.h"

namespace keldra {

struct SegmentSpring {
    double intercept;
    double stiffness;
};

// Curve k at deflection w. Sets `off_curve` when w lies before the first or
// beyond the last point (the end segment is extended) and for curves of two
// points or fewer.
[[nodiscard]] SegmentSpring EvaluateCurve(const CurveStore& store, int k, double w,
                                          bool& off_curve);

}  // namespace keldra
