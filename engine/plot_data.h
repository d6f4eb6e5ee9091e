// Records of the plot-data file (.kd5p): one block per problem, no empty
// lines. Free-format records hold blank-separated numbers on one line
// (integers without a point, reals as d.dddddddE+xx).
//
//   earth-pressure count n          (0: no earth pressure, no rows)
//   n rows  4(2X, E10.3)            depth, total, soil (1.0E-7 for 0), surcharge
//   KUNIT m                         p-y header, m curves
//   per curve: label, then points   y p
//   NBLK NRES KUNIT                 trailer
//   NRES rows 5(1X, E13.4)          depth, deflection, moment, shear, reaction
#pragma once

#include "engine/state.h"

namespace keldra {

void WritePlotIntegers(OutputFile& plot, int a);
void WritePlotIntegers(OutputFile& plot, int a, int b);

// One earth-pressure row.
void WritePlotPressureRow(OutputFile& plot, double depth, double total, double soil,
                          double surcharge);

// The label of a generated curve in a generated-only problem: depth and 33.
void WritePlotCurveDepthLabel(OutputFile& plot, double depth, int points);

// One point of a p-y curve.
void WritePlotCurvePoint(OutputFile& plot, double y, double p);

// The trailer of the current block: NBLK, the held result rows, the unit code.
void WritePlotTrailer(EngineState& s);

}  // namespace keldra
