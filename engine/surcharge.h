// Lateral pressure on the wall from loads on the backfill surface: point,
// line and strip loads at a horizontal distance from the wall. The point and
// line formulas are the empirical charts scaled by the free height HFREE
// (m = X / HFREE, n = z / HFREE); the strip load is the elastic solution.
// Depths z are measured from the top of the wall and must be positive.
#pragma once

#include "engine/pi.h"
#include "engine/state.h"

namespace keldra {

// Load types of a surcharge row; any other type acts as a point load.
enum SurchargeType { kPointLoad = 1, kLineLoad = 2, kStripLoad = 3 };

// The two published forms of the constants 4/pi and 2/pi. The pressure
// table uses pi as 3.1416; the per-sublayer active force keeps the rounded
// chart values 1.273 and 0.6366.
struct SurchargeConstants {
    double lineFar;  // line load, m > 0.4
    double strip;
};
inline constexpr SurchargeConstants kTableConstants{4.0 / kPiFourDecimals, 2.0 / kPiFourDecimals};
inline constexpr SurchargeConstants kLayerForceConstants{1.273, 0.6366};

// Pressure at depth z from one load: type 2 line, 3 strip, any other point.
// Needs HFREE > 0 for the point and line loads.
[[nodiscard]] double SurchargeLoadPressure(int type, double magnitude, double distance,
                                           double width, double z, double HFREE,
                                           const SurchargeConstants& k);

// Pressure at depth z from the surcharge record the per-sublayer active force
// uses: every row of the surcharge list, or the legacy record (its point,
// line and strip load at one distance) when the list is empty.
[[nodiscard]] double LayerSurchargePressure(const SoilBlock& soil, double z, double HFREE);

// SURCHP: the pressure at depth x summed over the surcharge list, sampled at
// 200 equal steps over the wall length WL and taken at the last step
// shallower than x (0 for x at or above the first step, for an empty list,
// and when HFREE or WL is not positive).
[[nodiscard]] double SampledSurchargePressure(const SoilBlock& soil, double x, double HFREE,
                                              double WL);

// True when surcharge rows are given but the free height is too small for the
// chart formulas (they scale by HFREE).
[[nodiscard]] bool SurchargeNeedsFreeHeight(const SoilBlock& soil, double HFREE);

}  // namespace keldra
