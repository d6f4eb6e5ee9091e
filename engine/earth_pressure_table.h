// The table of lateral pressure against depth over the wall on the backfill
// side (per unit area of wall): total, from the soil and from surcharges.
// Above the excavation level the active pressure grows with depth; at and
// below it the pressure stays at its value for the stress at the excavation
// level. The table ends at the wall tip.
#pragma once

#include "engine/earth_pressure_sublayers.h"
#include "engine/state.h"

namespace keldra {

struct PressureTableInput {
    const SoilBlock* soil;  // surcharge list for SURCHP
    double HFREE, WL;       // excavation level and wall length
    double ZWB, ZWE;        // water table depths, backfill and excavation side
    double q;               // uniform surface pressure
    double FMOD;
    double GAMW;
    double pointsPerLength;  // table point density; its inverse is the nominal spacing
};

// Point density of the table: one point per inch in English units, twenty
// per metre in SI units, and four per wall increment H in generic units.
[[nodiscard]] double PressurePointsPerLength(int KUNIT, double H);

// Fills ep from the sublayers; false (ep untouched beyond its capacity) when
// the table would need more than kMaxPressurePoints points.
[[nodiscard]] bool BuildPressureTable(const SublayerTable& table, const PressureTableInput& in,
                                      EarthPressureTable& ep);

// FTOT: the active force above the excavation level by the trapezoidal rule
// over the table points, at the nominal spacing.
[[nodiscard]] double ActiveForceAboveExcavation(const EarthPressureTable& ep, double HFREE,
                                                double pointsPerLength);

// The apparent pressure trapezoid for anchored walls, from the depths of the
// first and last support and their count NSUP (at least 1).
struct Trapezoid {
    double H1, H2, H3;  // rising, flat and falling heights
    double pmax;
};

// The trapezoid carrying 1.3 FTOT; false when the support depths leave no
// positive height to spread the pressure over.
[[nodiscard]] bool MakeTrapezoid(double FTOT, double HFREE, double XTIE1, double XTIEN, int NSUP,
                                 Trapezoid& shape);

// Replaces the totals from the second point down to the excavation level
// by the trapezoid; soil and surcharge columns and deeper points keep their
// values.
void ApplyTrapezoid(const Trapezoid& shape, double HFREE, EarthPressureTable& ep);

}  // namespace keldra
