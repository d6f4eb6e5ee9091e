// Active earth and water forces per unit width of wall for the sublayers
// above the excavation level (1 .. IEXC - 1), with their depths.
#pragma once

#include "engine/earth_pressure_sublayers.h"

namespace keldra {

struct ActiveForceInput {
    double HFREE;
    double ZWB;
    double GAMW;
    double FMOD;  // modification factor for active earth pressure
};

// PA1 .. PA4, Z1 .. Z3 and ZCR of every sublayer above the excavation level:
// the overburden, the surcharge record of the soil block over the sublayer,
// the sublayer's own weight and the cohesion; a sublayer in tension at its
// top carries only the triangle of positive pressure below the crack.
void ComputeActiveForces(SublayerTable& table, const SoilBlock& soil, const ActiveForceInput& in);

// PW1 and PW2 of the drained sublayers below the water table and above the
// excavation level: the pore pressure at the top and its growth.
void ComputeWaterForces(SublayerTable& table, double ZWB, double GAMW);

// Net active force above the excavation level: the active parts less the
// (negative) water parts.
[[nodiscard]] double NetActiveForce(const SublayerTable& table);

// True when a sublayer above the excavation level carries a water force.
[[nodiscard]] bool HasWaterForce(const Sublayer& sub);

}  // namespace keldra
