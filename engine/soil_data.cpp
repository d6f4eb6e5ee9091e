// The soil data step of a problem with generated p-y curves: the p-y layers
// and profiles, their report section, and SOILDATA with the user curves
// followed by the generated ones.
#include <cstdio>

#include "engine/fixed_line.h"
#include "engine/generation.h"
#include "engine/py_models.h"
#include "engine/py_run.h"
#include "engine/run_stop.h"
#include "engine/soil_data_report.h"
#include "engine/unit_system.h"

namespace keldra {

namespace {

// The curve count, then the user curves as the driver reads them back: station
// and point count, then per point its number, p and y (both multiplied).
void WriteSoilDataHeader(OutputFile& file, const EngineState& s) {
    const int NUPY = s.control.NUPY > 0 ? s.control.NUPY : 0;
    FixedLine().Integer(5 * s.profile.NPY + NUPY).WriteTo(file);
    const int stored = NUPY < kMaxCurves ? NUPY : kMaxCurves;
    for (int k = 1; k <= stored; ++k) {
        const UserCurve& curve = s.user.curve[k];
        const int points = curve.points < kMaxCurvePoints ? curve.points : kMaxCurvePoints;
        FixedLine().Integer(curve.station).X(1).Integer(points).WriteTo(file);
        for (int m = 1; m <= points; ++m) {
            FixedLine()
                .Integer(m)
                .X(1)
                .Scientific(kSoilDataDecimals, curve.p[m])
                .X(1)
                .Scientific(kSoilDataDecimals, curve.y[m])
                .WriteTo(file);
        }
    }
}

// A layer without thickness below the excavation level (its depth repeats the
// layer above) would take its stations from its neighbours.
Step CheckLayerThickness(EngineState& s) {
    const SoilProfile& p = s.profile;
    for (int n = 1; n <= p.NPY; ++n) {
        if (p.layer[n].XBOT > p.layer[n].XTOP) continue;
        const FixedLine line =
            FixedLine()
                .Text("     ERROR STOP -- SOIL LAYER WITHOUT THICKNESS BELOW THE EXCAVATION AT X =")
                .F(10, 2, s.grid.HFREE + p.layer[n].XTOP);
        return StopRun(s, line.View());
    }
    return Step::kContinue;
}

}  // namespace

Step GenerateSoilData(EngineState& s) {
    std::fprintf(stderr, " READ SOIL DATA....\n");
    OutputFile soildata;
    if (!soildata.Open(kSoilDataFileName)) return StopOnScratchFile(s, kSoilDataFileName);
    if (!(s.soil.WP > 0.0)) {
        return StopRun(s, "     ERROR STOP -- THE WIDTH FOR SOIL RESISTANCE, WP, MUST BE POSITIVE");
    }
    if (!(2.0 * s.grid.H + s.grid.NINC * s.grid.H > s.grid.HFREE)) {
        // The p-y layers end two increments below the tip.
        return StopRun(s, "     ERROR STOP -- THE FREE HEIGHT REACHES BELOW THE WALL TIP");
    }
    BuildSoilProfile(s.soil, s.grid, s.GAMW, s.control.KUNIT == kSIUnits, s.profile);
    if (CheckLayerThickness(s) == Step::kStop) return Step::kStop;
    WriteSoilLayersSection(s);
    WriteSoilDataHeader(soildata, s);
    WritePyCurvesHeading(s);

    s.RWAWP = s.soil.WA / s.soil.WP;
    if (s.RWAWP < 1.0) s.RWAWP = 1.0;

    PyRun run(s, soildata);
    if (GeneratePyCurves(run) == Step::kStop) return Step::kStop;
    if (!soildata.Close()) return StopOnScratchFile(s, kSoilDataFileName);
    return Step::kContinue;
}

}  // namespace keldra
