// Fatal messages: a step that cannot go on writes its message to the report,
// preceded by two empty lines, and returns Step::kStop; the driver then ends
// the run in order (END OF ANALYSIS, the plot-data trailer, files closed).
#pragma once

#include <string_view>

#include "engine/run_status.h"
#include "engine/state.h"

namespace keldra {

// Two empty lines and the message line.
[[nodiscard]] Step StopRun(EngineState& s, std::string_view message);

}  // namespace keldra
