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

// Whether point k of n generated points goes to the report and the plot data:
// every point, or in tables of more than 50 points every sixth (English
// units; every fourth otherwise) from the first, and the last.
[[nodiscard]] bool IsEchoedPressurePoint(int k, int n, int KUNIT);

}  // namespace keldra
