// A9: p-y modification rows (depth, p-multiplier, y-multiplier) for the
// generated p-y curves. Not echoed here; the soil-data section prints them.
#pragma once

#include "engine/free_format.h"
#include "engine/run_status.h"
#include "engine/state.h"

namespace keldra {

Step ReadPyModification(EngineState& s, FreeFormatReader& in);

}  // namespace keldra
