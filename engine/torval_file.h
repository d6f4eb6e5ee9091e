// The scratch file TORVAL.001 that hands the generated earth pressure to the
// driver: the point count, then per point its depth and the total, soil and
// surcharge pressures (per unit area of wall), in increasing depth.
//
//            3
//      0.000E+00     0.000E+00     0.000E+00     0.000E+00
#pragma once

#include "engine/output_file.h"
#include "engine/state.h"

namespace keldra {

inline constexpr const char* kTorvalFileName = "TORVAL.001";

void WriteTorval(OutputFile& file, const EarthPressureTable& ep);

}  // namespace keldra
