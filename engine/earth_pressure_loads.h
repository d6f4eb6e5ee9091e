// Earth pressure as lateral station loads above the excavation: stations
// 1 .. nint(z_end / H) take the table's total pressure (already per station,
// times H) at their depth, interpolated linearly and from zero at the top of
// the wall. Below the excavation the active pressure enters the p-y curves.
#pragma once

#include "engine/state.h"

namespace keldra {

// The table's total (PAEP) at depth z: linear between points, from zero at
// depth 0 to the first point, the last total at and below the last depth.
[[nodiscard]] double EarthPressureAt(const EarthPressureTable& ep, double z);

// z_end: HFREE for generated pressure, the last depth of a user table.
void AddEarthPressureLoads(EngineState& s, double z_end);

}  // namespace keldra
