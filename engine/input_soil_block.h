// A11: the soil, water and surcharge data the generation steps work from
// (wall widths and water tables, uniform and legacy surcharges, surcharge
// rows, soil layers). Read when earth pressure or p-y curves are generated.
#pragma once

#include "engine/free_format.h"
#include "engine/run_status.h"
#include "engine/state.h"

namespace keldra {

[[nodiscard]] bool NeedsSoilBlock(const EngineState& s);

// Reads A11a to A11d into s.soil; SI surcharge distances and widths come in
// millimetres and are kept in metres. Sets the earth-pressure width to WA.
Step ReadSoilBlock(EngineState& s, FreeFormatReader& in);

}  // namespace keldra
