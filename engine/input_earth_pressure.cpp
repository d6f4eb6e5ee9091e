#include "engine/input_earth_pressure.h"

#include <cstdio>

#include "engine/earth_pressure_loads.h"
#include "engine/fixed_line.h"
#include "engine/generation.h"
#include "engine/input_soil_block.h"
#include "engine/plot_data.h"
#include "engine/report_blocks.h"
#include "engine/run_stop.h"
#include "engine/surcharge.h"
#include "engine/torval_file.h"
#include "engine/unit_system.h"

namespace keldra {

namespace {

void WriteColumnHeader(EngineState& s) {
    OutputFile& report = s.files.report;
    const UnitLabels& u = s.labels;
    WriteEmptyLine(report);
    WriteEmptyLine(report);
    FixedLine().X(8).Text(" DEPTH         ACTIVE EARTH PRESSURE").WriteTo(report);
    FixedLine().X(8).X(1).A(3, u.L).X(17).A(4, u.F).A(1, "/").A(2, u.L2).WriteTo(report);
    FixedLine().X(8).Text("--------       ------------------------").WriteTo(report);
}

void EchoPoint(OutputFile& report, double depth, double pressure) {
    FixedLine().X(6).E(10, 3, depth).X(10).E(10, 3, pressure).WriteTo(report);
}

void PlotPoint(EngineState& s, int k, double total_per_length) {
    const EarthPressureTable& ep = s.ep;
    WritePlotPressureRow(s.files.plot, ep.ZEP[k], total_per_length, ep.PASOIL[k], ep.PASUR[k]);
}

// A10: depth and pressure per unit length of wall; surcharge rows of the soil
// block add their lateral pressure at each depth.
Step ReadUserTable(EngineState& s, FreeFormatReader& in) {
    OutputFile& report = s.files.report;
    WriteBoxedTitle(report, "*        SPECIFIED ACTIVE EARTH PRESSURE         *");
    WriteEmptyLine(report);
    WriteColumnHeader(s);
    EarthPressureTable& ep = s.ep;
    int n = 0;
    if (!in.Read(n)) return StopOnReadFailure(s, in);
    if (n < 0) return StopRun(s, kNegativeCount);
    if (n > kMaxPressurePoints)
        return StopTooMuchData(s, MoreThan(kMaxPressurePoints, "EARTH PRESSURE POINTS"));
    ep.count = n;
    const double H = s.grid.H;
    for (int k = 1; k <= n; ++k) {
        if (!in.Read(ep.ZEP[k], ep.PASOIL[k])) return StopOnReadFailure(s, in);
        EchoPoint(report, ep.ZEP[k], ep.PASOIL[k]);
        ep.PASUR[k] = 0.0;
        ep.PAEP[k] = H * ep.PASOIL[k];
    }
    if (NeedsSoilBlock(s)) {
        if (ReadSoilBlock(s, in) == Step::kStop) return Step::kStop;
        if (SurchargeNeedsFreeHeight(s.soil, s.grid.HFREE))
            return StopRun(s, kSurchargeNeedsFreeHeight);
        if (s.soil.NSUR > 0) {
            for (int k = 1; k <= n; ++k) {
                ep.PASUR[k] = SurchargePressureAt(s, ep.ZEP[k]) * s.earthPressureWidth;
                ep.PAEP[k] = H * (ep.PASOIL[k] + ep.PASUR[k]);
            }
        }
    }
    WritePlotIntegers(s.files.plot, n);
    for (int k = 1; k <= n; ++k) PlotPoint(s, k, ep.PAEP[k] / H);
    AddEarthPressureLoads(s, n > 0 ? ep.ZEP[n] : 0.0);
    return Step::kContinue;
}

// TORVAL.001: the count, then depth, total, soil, surcharge per point, all
// per unit area of wall. Above the excavation the pressure acts on WA, below
// it on WP.
Step ReadTorval(EngineState& s) {
    std::FILE* file = std::fopen(kTorvalFileName, "r");
    if (file == nullptr) return StopRun(s, "     ERROR -- CANNOT OPEN THE SCRATCH FILE TORVAL.001");
    FreeFormatReader in(file, "THE SCRATCH FILE TORVAL.001");
    EarthPressureTable& ep = s.ep;
    Step step = Step::kContinue;
    int n = 0;
    if (!in.Read(n)) {
        step = StopOnReadFailure(s, in);
    } else if (n < 0) {
        step = StopRun(s, kNegativeCount);
    } else if (n > kMaxPressurePoints) {
        step = StopTooMuchData(s, MoreThan(kMaxPressurePoints, "EARTH PRESSURE POINTS"));
    } else {
        ep.count = n;
        for (int k = 1; k <= n; ++k) {
            if (!in.Read(ep.ZEP[k], ep.PAEP[k], ep.PASOIL[k], ep.PASUR[k])) {
                step = StopOnReadFailure(s, in);
                break;
            }
            if (ep.ZEP[k] > s.grid.HFREE) s.earthPressureWidth = s.soil.WP;
            for (double* p : {&ep.PAEP[k], &ep.PASOIL[k], &ep.PASUR[k]}) *p *= s.earthPressureWidth;
        }
    }
    std::fclose(file);
    return step;
}

// Generated pressure: the generation writes its sections and TORVAL.001;
// every point (or every sixth, English, or fourth point of a long table, and
// the last) is echoed and plotted.
Step ReadGenerated(EngineState& s, FreeFormatReader& in) {
    if (ReadSoilBlock(s, in) == Step::kStop) return Step::kStop;
    if (GenerateEarthPressure(s) == Step::kStop) return Step::kStop;
    WriteColumnHeader(s);
    if (ReadTorval(s) == Step::kStop) return Step::kStop;
    EarthPressureTable& ep = s.ep;
    const int n = ep.count;
    int sent = 0;
    for (int k = 1; k <= n; ++k) sent += IsEchoedPressurePoint(k, n, s.control.KUNIT) ? 1 : 0;
    WritePlotIntegers(s.files.plot, sent);
    for (int k = 1; k <= n; ++k) {
        if (!IsEchoedPressurePoint(k, n, s.control.KUNIT)) continue;
        EchoPoint(s.files.report, ep.ZEP[k], ep.PAEP[k]);
        PlotPoint(s, k, ep.PAEP[k]);
    }
    for (int k = 1; k <= n; ++k) ep.PAEP[k] *= s.grid.H;
    AddEarthPressureLoads(s, s.grid.HFREE);
    return Step::kContinue;
}

}  // namespace

bool IsEchoedPressurePoint(int k, int n, int KUNIT) {
    constexpr int kEchoAllUpTo = 50;
    const int step = n > kEchoAllUpTo ? (KUNIT == kEnglishUnits ? 6 : 4) : 1;
    return (k - 1) % step == 0 || k == n;
}

Step ReadEarthPressure(EngineState& s, FreeFormatReader& in) {
    const int KOUTPT = s.control.KOUTPT;
    if (KOUTPT >= 2) return ReadGenerated(s, in);
    if (KOUTPT == 1) return ReadUserTable(s, in);
    s.ep.count = 0;
    WritePlotIntegers(s.files.plot, 0);
    return NeedsSoilBlock(s) ? ReadSoilBlock(s, in) : Step::kContinue;
}

}  // namespace keldra
