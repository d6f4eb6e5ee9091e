#include "engine/plot_data.h"

#include "engine/fixed_line.h"

namespace keldra {

namespace {
constexpr double kZeroSoilMarker = 1.0E-7;  // a zero soil pressure is written as this
constexpr int kCurvePointDecimals = 7;      // y and p as d.dddddddE+xx
}  // namespace

void WritePlotIntegers(OutputFile& plot, int a) { FixedLine().Integer(a).WriteTo(plot); }

void WritePlotIntegers(OutputFile& plot, int a, int b) {
    FixedLine().Integer(a).X(1).Integer(b).WriteTo(plot);
}

void WritePlotPressureRow(OutputFile& plot, double depth, double total, double soil,
                          double surcharge) {
    FixedLine line;
    for (double v : {depth, total, soil == 0.0 ? kZeroSoilMarker : soil, surcharge}) {
        line.X(2).E(10, 3, v);
    }
    line.WriteTo(plot);
}

void WritePlotCurveDepthLabel(OutputFile& plot, double depth, int points) {
    FixedLine().X(1).F(10, 2, depth).X(1).I(5, points).WriteTo(plot);
}

void WritePlotCurvePoint(OutputFile& plot, double y, double p) {
    FixedLine()
        .Scientific(kCurvePointDecimals, y)
        .X(1)
        .Scientific(kCurvePointDecimals, p)
        .WriteTo(plot);
}

void WritePlotTrailer(EngineState& s) {
    OutputFile& plot = s.files.plot;
    FixedLine()
        .Integer(s.run.NBLK)
        .X(1)
        .Integer(s.results.NRES)
        .X(1)
        .Integer(s.control.KUNIT)
        .WriteTo(plot);
    for (int k = 1; k <= s.results.NRES; ++k) {
        const ResultRow& r = s.results.row[k];
        FixedLine line;
        for (double v : {r.x, r.deflection, r.moment, r.shear, r.reaction}) line.X(1).E(13, 4, v);
        line.WriteTo(plot);
    }
}

}  // namespace keldra
