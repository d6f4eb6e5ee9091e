// The run notes (.kd5r): per problem a title and one monitor line per
// iteration with the off-curve flag, the stations not closed and the
// deflections of stations 1 to 5.
#pragma once

#include "engine/state.h"

namespace keldra {

void WriteMonitorTitle(EngineState& s);
void WriteMonitorLine(EngineState& s, int iteration, bool off_curve, int not_closed);

}  // namespace keldra
