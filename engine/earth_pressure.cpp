// The earth-pressure generation step: sublayers, overburden, coefficients,
// active and water forces with their report sections, then the pressure table
// (triangular, or the trapezoid for anchored walls) written to TORVAL.001.
#include <cstdio>

#include "engine/earth_pressure_coefficients.h"
#include "engine/earth_pressure_forces.h"
#include "engine/earth_pressure_input_report.h"
#include "engine/earth_pressure_report.h"
#include "engine/earth_pressure_sublayers.h"
#include "engine/earth_pressure_table.h"
#include "engine/generation.h"
#include "engine/run_stop.h"
#include "engine/surcharge.h"
#include "engine/torval_file.h"
#include "engine/unit_system.h"

namespace keldra {

namespace {

constexpr int kTrapezoidal = 3;          // KOUTPT of anchored walls
constexpr double kNetForceFloor = 1e-5;  // a smaller net active force counts as negative

constexpr const char* kDebugFileName = "debug.dat";

// The engine leaves an empty debug.dat in the current directory.
Step TouchDebugFile(EngineState& s) {
    OutputFile debug;
    if (!debug.Open(kDebugFileName) || !debug.Close()) return StopOnScratchFile(s, kDebugFileName);
    return Step::kContinue;
}

void WarnSteepSlope(EngineState& s, int sublayers) {
    for (int k = 0; k < sublayers; ++k) {
        WriteSlopeWarning(s.files.notes);
        WriteSlopeWarning(s.files.report);
    }
}

void ForcesAndSections(EngineState& s, SublayerTable& table) {
    const SoilBlock& soil = s.soil;
    OutputFile& report = s.files.report;
    const double HFREE = s.grid.HFREE;

    ComputeOverburden(table, soil.QSURF, soil.ZWB, s.GAMW);
    s.SIGVEXC = table.layer[table.IEXC].SIGV;
    WriteOverburden(report, table, s.labels);

    WarnSteepSlope(s, AssignCoefficients(table, soil.BETA, HFREE));
    WriteCoefficients(report, table);

    ComputeActiveForces(table, soil, {HFREE, soil.ZWB, s.GAMW, soil.FMOD});
    ComputeWaterForces(table, soil.ZWB, s.GAMW);
    WriteActiveForces(report, table, s.labels);
    if (soil.ZWB < HFREE - kDepthTolerance) WriteWaterForces(report, table, s.labels);

    if (NetActiveForce(table) < kNetForceFloor) {
        std::fprintf(stderr, "%s\n", kNetActiveNegative);
        WriteNetActiveNegative(report);
    }
}

Step ShapeForAnchoredWall(EngineState& s, double pointsPerLength) {
    const double HFREE = s.grid.HFREE;
    const Supports& sup = s.supports;
    if (sup.NSUP < 1)
        return StopRun(s,
                       "     ERROR STOP -- TRAPEZOIDAL EARTH PRESSURE NEEDS A SPRING OR TIEBACK");
    if (HFREE < kDepthTolerance) return Step::kContinue;  // nothing above the excavation
    const double FTOT = ActiveForceAboveExcavation(s.ep, HFREE, pointsPerLength);
    Trapezoid shape{};
    if (!MakeTrapezoid(FTOT, HFREE, sup.XTIE1, sup.XTIEN, sup.NSUP, shape))
        return StopRun(s, "     ERROR STOP -- SUPPORT DEPTHS LEAVE NO HEIGHT FOR THE TRAPEZOID");
    ApplyTrapezoid(shape, HFREE, s.ep);
    return Step::kContinue;
}

Step TabulateAndWrite(EngineState& s, const SublayerTable& table) {
    const SoilBlock& soil = s.soil;
    const double pointsPerLength = PressurePointsPerLength(s.control.KUNIT, s.grid.H);
    const PressureTableInput in{&soil,     s.grid.HFREE, s.grid.NINC * s.grid.H,
                                soil.ZWB,  soil.ZWE,     soil.QSURF,
                                soil.FMOD, s.GAMW,       pointsPerLength};
    if (!BuildPressureTable(table, in, s.ep))
        return StopRun(
            s, "     ERROR STOP -- " + MoreThan(kMaxPressurePoints, "EARTH PRESSURE POINTS"));
    if (s.control.KOUTPT == kTrapezoidal && ShapeForAnchoredWall(s, pointsPerLength) == Step::kStop)
        return Step::kStop;

    OutputFile torval;
    if (!torval.Open(kTorvalFileName)) return StopOnScratchFile(s, kTorvalFileName);
    WriteTorval(torval, s.ep);
    if (!torval.Close()) return StopOnScratchFile(s, kTorvalFileName);
    return Step::kContinue;
}

}  // namespace

Step GenerateEarthPressure(EngineState& s) {
    s.GAMW = UnitWeightOfWater(s.control.KUNIT);
    if (TouchDebugFile(s) == Step::kStop) return Step::kStop;
    WriteWallInformation(s.files.report, s);
    WriteSurchargeInformation(s.files.report, s);
    if (SurchargeNeedsFreeHeight(s.soil, s.grid.HFREE))
        return StopRun(s, kSurchargeNeedsFreeHeight);

    SublayerTable table = BuildSublayers(s.soil, s.grid.HFREE);
    WriteSoilInformation(s.files.report, table, s.labels.code);
    if (table.overflow)
        return StopRun(s, "     ERROR STOP -- " + MoreThan(kMaxSublayers, "SOIL SUBLAYERS"));
    if (table.IEXC == 0)
        return StopRun(s, "     ERROR STOP -- THE SOIL LAYERS DO NOT REACH THE EXCAVATION LEVEL");

    ForcesAndSections(s, table);
    return TabulateAndWrite(s, table);
}

}  // namespace keldra
