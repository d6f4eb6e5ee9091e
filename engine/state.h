// The engine's whole analysis state: one static record, zero when the library
// is loaded, kept across the problems of one run (a problem overwrites what it
// reads and computes; everything else keeps the previous problem's value).
//
// Conventions:
//  - Units are the engine's: English lb and in, SI kN and m, generic F and L.
//  - Every table is 1-based so the formulas read as written: station arrays
//    run over index J = 1 .. NINC + 7 with station i at J = i + 4; curve k,
//    point m, row k all start at 1. Entry 0 is never used.
//  - Deflection is positive toward the excavation. A stored p-y resistance has
//    the opposite sign of its deflection and is already multiplied by H.
#pragma once

#include <cstdio>

#include "engine/limits.h"
#include "engine/output_file.h"
#include "engine/soil_profile.h"
#include "engine/unit_labels.h"

namespace keldra {

template <typename T, int N>
using Table = T[N + 1];  // 1-based table of N entries

// Files of a run, owned by the driver.
struct RunFiles {
    std::FILE* names = nullptr;
    std::FILE* data = nullptr;  // project data file (read)
    OutputFile report;          // .kd5o
    OutputFile plot;            // .kd5p
    OutputFile notes;           // .kd5r
};

struct RunRecord {
    char version[kVersionLength + 1];
    char paths[4][kPathLength + 1];  // project data, report, plot data, run notes
    char TITLE[kTitleLength + 1];
    char TITLE1[kTitleLength + 1];
    int NPROB;
    int KCONT;
    int NBLK;
};

struct ControlRecord {  // A2
    int KUNIT, NDS, NSL, NPYMOD, KOUTPT, KPYOP, NUPY, NSTG, NMEI, NTIE;
};

struct WallGrid {  // A3 and what follows from it
    int NINC;
    double H, WMAX, TOL, HFREE;
    double width;                   // sixth value of A3, used by the tieback stiffness only
    double H2, HSQ, HCUBE, length;  // 2H, H^2, H^3, NINC*H
};

// The boundary-condition code KODE of a station: how the recursion treats it.
// A given slope ties the stations on both sides of its own.
enum StationCode : int {
    kFreeStation = 1,         // nothing given
    kDeflectionGiven = 2,     // W(J) given
    kBeforeGivenSlope = 3,    // W(J) = W(J+2) - 2h slope
    kDeflectionAndSlope = 4,  // W(J) given, and the slope about J
    kAfterGivenSlope = 5,     // closes the slope equation opened at J-2
};

struct StationArrays {
    Table<double, kStationSlots> F, Q, S, T, R,
        P;                                // EI, lateral load, spring, couple, rot. spring, -axial
    Table<double, kStationSlots> QS, SS;  // with the soil springs of the current iteration
    Table<double, kStationSlots> W, WOLD;
    Table<double, kStationSlots> AA, BB, CC;  // recursion W(J) = AA W(J+2) + BB W(J+1) + CC
    Table<int, kStationSlots> KODE;           // StationCode of each station
};

struct SpecifiedRows {  // A4, in station order
    Table<double, kMaxSpecified> SPDF, SPSL;
};

struct CoupleCorrections {  // shear corrections from A6 couples
    int count;
    Table<int, kMaxCouples> JTCOR;    // station
    Table<double, kMaxCouples> TCOR;  // couple / 2H
};

struct CurveStore {
    int count;
    double YC[kMaxCurves + 1][kMaxCurvePoints + 1];
    double PC[kMaxCurves + 1][kMaxCurvePoints + 1];
    Table<int, kMaxCurves> NPC, JFRC, JTOC, KCTC;
};

struct EarthPressureTable {
    int count;
    Table<double, kMaxPressurePoints> ZEP, PAEP, PASOIL, PASUR;
};

struct PyModification {  // A9
    Table<double, kMaxPyModRows> ZMOD, PMOD, YMOD;
};

struct MomentEiSets {  // A13; stations already converted to indices
    Table<int, kMaxMomentEiSets> first, last, points;
    double EMM[kMaxMomentEiSets + 1][kMaxMomentEiPoints + 1];
    double EEI[kMaxMomentEiSets + 1][kMaxMomentEiPoints + 1];
};

struct ResultRow {
    double x, deflection, moment, shear, reaction;
};

struct ResultRows {  // stations 0 .. NINC + 1, for the plot-data trailer
    int NRES;
    Table<ResultRow, kMaxResultRows> row;
};

struct SurchargeRow {  // A11c; SI distance and width already in metres
    int type;          // 1 point, 2 line, 3 strip
    double magnitude, distance, width;
};

struct SoilLayerInput {            // A11d
    int type;                      // 1 soft clay .. 7 weak rock
    double depth;                  // to the layer bottom, from the top of the wall
    double thickness;              // depth minus the previous layer's depth
    Table<double, 6> top, bottom;  // values 1..6 at the layer top and bottom
};

struct SoilBlock {  // A11, read when KOUTPT >= 2 or KPYOP = 2
    double HFREE;   // second copy of the free height
    double WA, WP;
    double ZWB, ZWE;  // water-table depths, backfill and excavation side
    double FMOD;      // modification factor for active earth pressure
    int carried;      // carried integer, no effect
    double BETA;      // backfill slope, degrees
    double QSURF;     // uniform surface pressure
    double legacyX, legacyPoint, legacyLine, legacyStrip, legacyWidth;
    int NSUR;
    Table<SurchargeRow, kMaxSurcharges> surcharge;
    int NSOIL;
    Table<SoilLayerInput, kMaxSoilLayers> layer;
};

struct UserCurve {  // A12, kept for SOILDATA; p and y already multiplied
    int station;
    int points;
    Table<double, kMaxCurvePoints> y, p;
};

struct UserCurves {
    Table<UserCurve, kMaxCurves> curve;
};

struct Supports {         // from the spring and tieback group, for the trapezoidal pressure
    double XTIE1, XTIEN;  // depth of the first and last single-station row
    int NSUP;             // spring rows plus tieback rows
};

struct EngineState {
    RunFiles files;
    RunRecord run;
    ControlRecord control;
    int ITMAX;
    WallGrid grid;
    StationArrays sta;
    SpecifiedRows specified;
    CoupleCorrections couples;
    CurveStore curves;
    EarthPressureTable ep;
    PyModification pymod;
    MomentEiSets mei;
    ResultRows results;
    SoilBlock soil;
    UserCurves user;
    Supports supports;
    double earthPressureWidth;  // WA, then WP from the first point below HFREE
    double SIGVEXC;             // effective vertical stress at the excavation, backfill side
    double RWAWP;               // WA / WP, at least 1
    double GAMW;                // unit weight of water
    SoilProfile profile;        // p-y layers and their profiles
    UnitLabels labels;
};

// The single record. Zero-initialised at load time as a static object.
EngineState& Engine();
// Back to the zero state of a freshly loaded library, for callers that run the
// engine more than once in one process (tests, fuzzing); files of an earlier
// run must be closed.
void ResetEngine();

}  // namespace keldra
