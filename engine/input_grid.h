// A3, the wall grid: increments, increment length, the closure limits, the
// free height and the width used by the tieback stiffness; and its echo.
#pragma once

#include "engine/free_format.h"
#include "engine/run_status.h"
#include "engine/state.h"

namespace keldra {

// Rejects a grid the station storage cannot hold (NINC > 407) and grids
// without length (NINC < 1, H <= 0).
Step ReadGrid(EngineState& s, FreeFormatReader& in);

// True when station `station` has a slot in the station arrays (-3 .. NINC + 3).
[[nodiscard]] bool HasStationSlot(const EngineState& s, long long station);

}  // namespace keldra
