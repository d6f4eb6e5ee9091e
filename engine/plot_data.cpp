#include "engine/plot_data.h"

#include "engine/fixed_line.h"

namespace keldra {

namespace {
constexpr double kZeroSoilMarker = 1.0E-7;  // a zero soil pressure is written as this
}  // namespace

void WritePlotIntegers(std::FILE* plot, int a) {
    if (plot != nullptr) std::fprintf(plot, "%d\n", a);
}

void WritePlotIntegers(std::FILE* plot, int a, int b) {
    if (plot != nullptr) std::fprintf(plot, "%d %d\n", a, b);
}

void WritePlotPressureRow(std::FILE* plot, double depth, double total, double soil,
                          double surcharge) {
    FixedLine line;
    for (double v : {depth, total, soil == 0.0 ? kZeroSoilMarker : soil, surcharge}) {
        line.X(2).E(10, 3, v);
    }
    line.WriteTo(plot);
}

void WritePlotCurveDepthLabel(std::FILE* plot, double depth, int points) {
    FixedLine().X(1).F(10, 2, depth).X(1).I(5, points).WriteTo(plot);
}

void WritePlotCurvePoint(std::FILE* plot, double y, double p) {
    if (plot != nullptr) std::fprintf(plot, "%.7E %.7E\n", y, p);
}

void WritePlotTrailer(const EngineState& s) {
    std::FILE* plot = s.files.plot;
    if (plot == nullptr) return;
    std::fprintf(plot, "%d %d %d\n", s.run.NBLK, s.results.NRES, s.control.KUNIT);
    for (int k = 1; k <= s.results.NRES; ++k) {
        const ResultRow& r = s.results.row[k];
        FixedLine line;
        for (double v : {r.x, r.deflection, r.moment, r.shear, r.reaction}) line.X(1).E(13, 4, v);
        line.WriteTo(plot);
    }
}

}  // namespace keldra
