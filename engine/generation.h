// The generation steps the driver calls while it reads a problem's input.
#pragma once

#include "engine/run_status.h"
#include "engine/state.h"

namespace keldra {

inline constexpr const char* kSoilDataFileName = "SOILDATA";
inline constexpr int kSoilDataDecimals = 10;  // SOILDATA reals: d.ddddddddddE+xx

// Generated earth pressure (KOUTPT 2 triangular, 3 trapezoidal): writes the
// report sections and TORVAL.001 (closed on return), and leaves SIGVEXC.
Step GenerateEarthPressure(EngineState& s);

// Lateral surcharge pressure per unit area of wall at depth z (from the top
// of the wall), from the surcharge rows of the soil block.
double SurchargePressureAt(const EngineState& s, double z);

// Generated p-y curves (KPYOP 2): builds the p-y layers and profiles, writes
// the report sections and SOILDATA (the user curves first, then five
// generated curves per p-y layer; closed on return), and sets RWAWP.
Step GenerateSoilData(EngineState& s);

}  // namespace keldra
