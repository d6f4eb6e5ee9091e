// Report sections that echo the input of the earth-pressure generation:
// "WALL INFORMATION", "SURCHARGE INFORMATION" and "SOIL INFORMATION" (the
// sublayers the soil layers were split into).
#pragma once

#include "engine/earth_pressure_sublayers.h"
#include "engine/output_file.h"
#include "engine/state.h"

namespace keldra {

void WriteWallInformation(OutputFile& report, const EngineState& s);
void WriteSurchargeInformation(OutputFile& report, const EngineState& s);
// The unit line follows the label code: +1 English, -1 SI, none for generic.
void WriteSoilInformation(OutputFile& report, const SublayerTable& table, int labelCode);

}  // namespace keldra
