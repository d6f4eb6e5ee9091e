// Report lines of the soil data step.
#pragma once

#include "engine/state.h"

namespace keldra {

// "SOIL LAYERS AND STRENGTH DATA": the p-y layers and both profiles.
void WriteSoilLayersSection(EngineState& s);

// The p-y modification rows, when there are any, and the heading of the
// generated curves.
void WritePyCurvesHeading(EngineState& s);

}  // namespace keldra
