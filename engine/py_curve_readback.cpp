// SOILDATA read-back: the user curves as copied by the soil-data step, then
// five generated curves per p-y layer, each as 34 rows of two sides.
#include <cmath>
#include <cstdio>

#include "engine/curve_store.h"
#include "engine/generation.h"
#include "engine/input_py_curves.h"
#include "engine/plot_data.h"
#include "engine/report_blocks.h"
#include "engine/run_stop.h"

namespace keldra {

namespace {

constexpr int kSideRows = 17;                         // rows per side of a generated curve
constexpr int kGeneratedRows = 2 * kSideRows;         // 34
constexpr int kGeneratedPoints = kGeneratedRows - 1;  // 33: both y = 0 rows become one point
static_assert(kGeneratedRows <= kMaxCurvePoints);

// Rows 1..17: excavation side, resisting positive y; rows 18..34: backfill
// side, resisting negative y; both start at y = 0 and p >= 0. The curve runs
// from the largest negative to the largest positive deflection, its
// resistance opposite in sign to y. Row 1 is not used.
void JoinSides(const double* p, const double* y, double* cy, double* cp) {
    for (int m = 1; m <= kSideRows; ++m) {
        const int row = kGeneratedRows + 1 - m;  // 34 .. 18: backfill side, outermost first
        cy[m] = -y[row];
        cp[m] = p[row];
    }
    for (int m = kSideRows + 1; m <= kGeneratedPoints; ++m) {
        const int row = m - kSideRows + 1;  // 2 .. 17: excavation side
        cy[m] = y[row];
        cp[m] = -p[row];
    }
}

void PlotCurve(OutputFile& plot, int points, const double* y, const double* p) {
    for (int m = 1; m <= points; ++m) WritePlotCurvePoint(plot, y[m], p[m]);
}

Step ReadUserCurve(EngineState& s, FreeFormatReader& in, int k) {
    int station = 0, n = 0;
    if (!in.Read(station, n)) return StopOnReadFailure(s, in);
    if (n < 2 || n > kMaxCurvePoints) {
        return StopRun(s, "     ERROR -- A P-Y CURVE IN SOILDATA NEEDS 2 TO " +
                              std::to_string(kMaxCurvePoints) + " POINTS");
    }
    double p[kMaxCurvePoints + 1] = {}, y[kMaxCurvePoints + 1] = {};
    for (int m = 1; m <= n; ++m) {
        int number = 0;
        if (!in.Read(number, p[m], y[m])) return StopOnReadFailure(s, in);
    }
    if (StoreCurve(s, k, station, 0, n, y, p) == Step::kStop) return Step::kStop;
    WritePlotIntegers(s.files.plot, station, n);
    PlotCurve(s.files.plot, n, y, p);
    return Step::kContinue;
}

Step ReadGeneratedCurve(EngineState& s, FreeFormatReader& in, int k, bool generated_only) {
    double depth = 0.0;
    int unused = 0;
    if (!in.Read(depth, unused)) return StopOnReadFailure(s, in);
    double p[kGeneratedRows + 1] = {}, y[kGeneratedRows + 1] = {};
    for (int m = 1; m <= kGeneratedRows; ++m) {
        int number = 0;
        if (!in.Read(number, p[m], y[m])) return StopOnReadFailure(s, in);
    }
    double cy[kMaxCurvePoints + 1] = {}, cp[kMaxCurvePoints + 1] = {};
    JoinSides(p, y, cy, cp);
    // A station too far out for an int has no slot either; StoreCurve stops on it.
    const double station = std::round(depth / s.grid.H);
    const int j =
        std::fabs(station) <= kStationSlots ? static_cast<int>(station) : 2 * kStationSlots;
    if (StoreCurve(s, k, j, 1, kGeneratedPoints, cy, cp) == Step::kStop) return Step::kStop;
    if (generated_only) {
        WritePlotCurveDepthLabel(s.files.plot, depth, kGeneratedPoints);
    } else {
        WritePlotIntegers(s.files.plot, j, kGeneratedPoints);
    }
    PlotCurve(s.files.plot, kGeneratedPoints, cy, cp);
    return Step::kContinue;
}

Step ReadCurves(EngineState& s, FreeFormatReader& in) {
    int count = 0;
    if (!in.Read(count)) return StopOnReadFailure(s, in);
    if (count < 0) return StopRun(s, kNegativeCount);
    WritePlotIntegers(s.files.plot, s.control.KUNIT, count);
    if (count > kMaxCurves) return StopTooMuchData(s, MoreThan(kMaxCurves, "P-Y CURVES"));
    s.curves.count = 0;
    if (count == 0) {
        WriteEmptySection(s.files.report);
        return Step::kContinue;
    }
    const int NUPY = s.control.NUPY;
    for (int k = 1; k <= count; ++k) {
        const Step step =
            k <= NUPY ? ReadUserCurve(s, in, k) : ReadGeneratedCurve(s, in, k, NUPY == 0);
        if (step == Step::kStop) return Step::kStop;
        s.curves.count = k;
    }
    return Step::kContinue;
}

}  // namespace

Step ReadSoilData(EngineState& s) {
    std::FILE* file = std::fopen(kSoilDataFileName, "r");
    if (file == nullptr) return StopRun(s, "     ERROR -- CANNOT OPEN THE SCRATCH FILE SOILDATA");
    FreeFormatReader in(file, "THE SCRATCH FILE SOILDATA");
    const Step step = ReadCurves(s, in);
    std::fclose(file);
    return step;
}

}  // namespace keldra
