// Earth pressure of a problem: none (KOUTPT 0), a user table (A10, KOUTPT 1)
// or generated pressure read back from TORVAL.001 (KOUTPT 2, 3). Reads the
// soil block A11 when anything is generated, writes the earth-pressure rows
// of the plot-data block and turns the pressure into station loads.
#pragma once

#include "engine/free_format.h"
#include "engine/run_status.h"
#include "engine/state.h"

namespace keldra {

Step ReadEarthPressure(EngineState& s, FreeFormatReader& in);

}  // namespace keldra
