#include "engine/input_grid.h"

#include "engine/fixed_line.h"
#include "engine/run_stop.h"

namespace keldra {

Step ReadGrid(EngineState& s, FreeFormatReader& in) {
    WallGrid& g = s.grid;
    if (!in.Read(g.NINC, g.H, g.WMAX, g.TOL, g.HFREE, g.width)) return StopOnReadFailure(s, in);
    if (g.NINC > kMaxIncrements) {
        return StopTooMuchData(s, "THE WALL HAS " + MoreThan(kMaxIncrements, "INCREMENTS"));
    }
    if (g.NINC < 1 || !(g.H > 0.0)) {
        return StopRun(s, "     ERROR -- THE WALL NEEDS AT LEAST ONE INCREMENT OF POSITIVE LENGTH");
    }
    g.H2 = 2.0 * g.H;
    g.HSQ = g.H * g.H;
    g.HCUBE = g.HSQ * g.H;
    g.length = g.NINC * g.H;

    OutputFile& report = s.files.report;
    const char* L = s.labels.L;
    auto label = [](const char* text) { return FixedLine().X(6).Text(text); };
    label("NUMBER OF INCREMENTS                               = ").I(3, g.NINC).WriteTo(report);
    struct Length {
        const char* text;
        int decimals;
        double value;
    };
    const Length lengths[] = {
        {"INCREMENT LENGTH                                   = ", 3, g.H},
        {"FREE HEIGHT OF WALL                                = ", 3, g.HFREE},
        {"MAXIMUM ALLOWABLE DEFLECTION                       = ", 3, g.WMAX},
        {"DEFLECTION CLOSURE TOLERANCE                       = ", 5, g.TOL},
    };
    for (const Length& line : lengths) {
        label(line.text).F(7, line.decimals, line.value).Text(L).WriteTo(report);
    }
    return Step::kContinue;
}

bool HasStationSlot(const EngineState& s, long long station) {
    return station >= -3 && station <= static_cast<long long>(s.grid.NINC) + 3;
}

}  // namespace keldra
