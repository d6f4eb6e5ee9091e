// Rankine earth pressure coefficients from the friction angle, with the
// sloping-backfill form of the active coefficient. Angles in degrees.
#pragma once

#include "engine/earth_pressure_sublayers.h"

namespace keldra {

inline constexpr double kDegreesPerRadian = 57.2958;

struct EarthPressureCoefficients {
    double KA, KP, SQKA;
};

// Horizontal backfill: KA = tan^2(45 - phi/2), KP = tan^2(45 + phi/2).
[[nodiscard]] EarthPressureCoefficients HorizontalBackfillCoefficients(double phi);

// A backfill rising at beta: the sloping-backfill KA while 0 < |beta| < phi,
// the horizontal-backfill values otherwise (KP is never changed).
[[nodiscard]] EarthPressureCoefficients RankineCoefficients(double phi, double beta);

// A sloped backfill at least as steep as the friction angle has no Rankine
// active state.
[[nodiscard]] bool SlopeTooSteep(double phi, double beta);

// Sets KA, KP and SQKA of every sublayer for the backfill slope beta and
// returns how many sublayers above the excavation level have a slope too
// steep for their friction angle.
[[nodiscard]] int AssignCoefficients(SublayerTable& table, double beta, double HFREE);

}  // namespace keldra
