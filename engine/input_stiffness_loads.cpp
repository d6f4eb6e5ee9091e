#include "engine/input_stiffness_loads.h"

#include <cstring>

#include "engine/distribution.h"
#include "engine/fixed_line.h"
#include "engine/input_grid.h"
#include "engine/report_blocks.h"
#include "engine/run_stop.h"
#include "engine/tieback.h"
#include "engine/unit_system.h"
#include "engine/value_checks.h"

namespace keldra {

namespace {

constexpr int kMaxGroupRows = 100000;  // spring and tieback rows together

// The six echo columns of every row: EI, Q, S, T, R, P.
struct EchoColumns {
    double EI, Q, S, T, R, P;
};

void EchoHeader(EngineState& s) {
    OutputFile& report = s.files.report;
    const UnitLabels& u = s.labels;
    WriteBoxedTitle(report, "*        STIFFNESS AND LOAD DATA                 *");
    for (const char* legend :
         {"EI - FLEXURAL RIGIDITY,  Q - TRANSVERSE LOAD,",
          "S - STIFFNESS OF TRANSVERSE RESISTANCE,", "T - TORQUE,              P - AXIAL LOAD,",
          "R - STIFFNESS OF TORSIONAL RESISTANCE."}) {
        FixedLine().X(6).Text(legend).WriteTo(report);
    }
    WriteEmptyLine(report);
    FixedLine()
        .Text("     FROM TO CONTD     EI         Q        S'        T         R         P")
        .WriteTo(report);
    WriteEmptyLine(report);
    // clang-format off
    FixedLine()
        .X(18).A(4, u.F).A(1, "-").A(2, u.L2).A(2, "**").A(1, "2")  // EI
        .X(4).A(4, u.F)                                            // Q
        .X(4).A(4, u.F).A(1, "/").A(2, u.L2)                       // S
        .X(3).A(3, u.L).A(1, "-").A(3, u.F3)                       // T
        .X(2).A(3, u.L).A(1, "-").A(3, u.F3)                       // R
        .X(4).A(4, u.F)                                            // P
        .WriteTo(report);
    // clang-format on
}

// The echo line of a distributed row; its station columns follow KSW.
void EchoRow(OutputFile& report, int ksw, int from, int to, int contd, const EchoColumns& e) {
    FixedLine line;
    const int c = contd - 1;
    switch (ksw) {
        case 1:
            line.X(5).I(4, from).I(4, to).I(3, c);
            break;
        case 2:
            line.X(5).I(4, from).X(4).I(3, c);
            break;
        default:
            line.X(9).I(4, to).I(3, c);
            break;
    }
    line.X(1);
    for (double v : {e.EI, e.Q, e.S, e.T, e.R, e.P}) line.E(10, 3, v);
    line.WriteTo(report);
}

double EIAt(const EngineState& s, int station) {
    return HasStationSlot(s, station) ? s.sta.F[station + kStationOffset] : 0.0;
}

Step ReadStiffness(EngineState& s, FreeFormatReader& in) {
    if (s.control.NSL == 0) {
        return StopRun(s, "     ERROR -- AT LEAST ONE ROW OF WALL STIFFNESS DATA IS NEEDED");
    }
    DistributedGroup group(s, {s.sta.F});
    for (int k = 1; k <= s.control.NSL; ++k) {
        int from = 0, to = 0, contd = 0;
        double EI = 0.0;
        if (!in.Read(from, to, contd, EI)) return StopOnReadFailure(s, in);
        int ksw = 0;
        if (group.AddRow(from, to, contd, &EI, ksw) == Step::kStop) return Step::kStop;
        EchoRow(s.files.report, ksw, from, to, contd, {EI, 0, 0, 0, 0, 0});
    }
    return Step::kContinue;
}

// Every station of the wall must bend: one without stiffness (a gap between
// the rows) or with EI not above zero leaves the beam without a solution.
Step CheckWallStiffness(EngineState& s) {
    for (int i = 0; i <= s.grid.NINC; ++i) {
        const double EI = s.sta.F[i + kStationOffset];
        if (RequireValue(s, kFlexuralRigidity, Bound::kPositive, EI,
                         FixedLine().Text(" AT STA").I(4, i).View()) == Step::kStop) {
            return Step::kStop;
        }
    }
    return Step::kContinue;
}

Step ReadLoads(EngineState& s, FreeFormatReader& in) {
    int count = 0;
    if (!in.Read(count)) return StopOnReadFailure(s, in);
    if (count < 0) return StopRun(s, kNegativeCount);
    DistributedGroup group(s, {s.sta.Q, s.sta.T, s.sta.P});
    CoupleCorrections& couples = s.couples;
    for (int k = 1; k <= count; ++k) {
        int contd = 0, from = 0, to = 0;
        double lateral = 0.0, couple = 0.0, axial = 0.0;
        if (!in.Read(contd, from, to, lateral, couple, axial)) return StopOnReadFailure(s, in);
        const double values[] = {lateral, couple, -axial};  // P holds the negated axial load
        int ksw = 0;
        if (group.AddRow(from, to, contd, values, ksw) == Step::kStop) return Step::kStop;
        if (couple != 0.0) {
            if (couples.count == kMaxCouples) {
                return StopTooMuchData(s, MoreThan(kMaxCouples, "LOAD ROWS WITH A COUPLE"));
            }
            ++couples.count;
            couples.JTCOR[couples.count] = from;
            couples.TCOR[couples.count] = couple / s.grid.H2;
        }
        EchoRow(s.files.report, ksw, from, to, contd,
                {EIAt(s, from), lateral, 0, couple, 0, axial});
    }
    return Step::kContinue;
}

// Spring rows, then the tieback rows as single-station springs. XTIE1 and
// XTIEN keep the depths of the first and last single-station rows.
Step ReadSprings(EngineState& s, FreeFormatReader& in) {
    int m = 0;
    if (!in.Read(m)) return StopOnReadFailure(s, in);
    if (m < 0) return StopRun(s, kNegativeCount);
    if (m > kMaxGroupRows - s.control.NTIE)
        return StopTooMuchData(s, MoreThan(kMaxGroupRows, "SPRING AND TIEBACK ROWS"));
    const int rows = m + s.control.NTIE;
    s.supports.NSUP = rows;
    DistributedGroup group(s, {s.sta.S, s.sta.R});
    for (int k = 1; k <= rows; ++k) {
        int from = 0, to = 0, contd = 1;
        double values[2] = {0.0, 0.0};  // lateral and rotational stiffness
        if (k <= m) {
            if (!in.Read(from, to, contd, values[0], values[1])) return StopOnReadFailure(s, in);
        } else {
            TiebackRow row{};
            if (!in.Read(row.depth, row.area, row.modulus, row.unbonded_length, row.angle_degrees,
                         row.spacing)) {
                return StopOnReadFailure(s, in);
            }
            TiebackSpring spring{};
            if (!TiebackAsSpring(row, s.grid.H, s.grid.width, s.control.KUNIT == kEnglishUnits,
                                 spring)) {
                return StopRun(s,
                               "     ERROR -- TIEBACK SPACING, UNBONDED LENGTH AND WALL WIDTH MUST "
                               "BE POSITIVE");
            }
            from = to = spring.station;
            values[0] = spring.stiffness;
        }
        int ksw = 0;
        if (group.AddRow(from, to, contd, values, ksw) == Step::kStop) return Step::kStop;
        if (from == to) {
            const double depth = from * s.grid.H;
            if (k == 1) s.supports.XTIE1 = depth;
            if (k == m || k == rows) s.supports.XTIEN = depth;
        }
        EchoRow(s.files.report, ksw, from, to, contd,
                {EIAt(s, from), 0, values[0], 0, values[1], 0});
    }
    return Step::kContinue;
}

}  // namespace

Step ReadStiffnessAndLoads(EngineState& s, FreeFormatReader& in) {
    StationArrays& a = s.sta;
    for (double* array : {a.F, a.Q, a.S, a.T, a.R, a.P, a.AA, a.BB, a.CC, a.W}) {
        std::memset(array, 0, sizeof(double) * (kStationSlots + 1));
    }
    s.couples.count = 0;
    EchoHeader(s);
    if (ReadStiffness(s, in) == Step::kStop) return Step::kStop;
    if (CheckWallStiffness(s) == Step::kStop) return Step::kStop;
    if (ReadLoads(s, in) == Step::kStop) return Step::kStop;
    return ReadSprings(s, in);
}

Step CheckBeyondTip(EngineState& s) {
    const StationArrays& a = s.sta;
    const int J1 = s.grid.NINC + 5, J2 = s.grid.NINC + 6;
    const double sum = a.F[J1] + a.T[J1] + a.R[J1] + a.P[J1] + a.F[J2] + a.T[J2] + a.R[J2] +
                       a.P[J2] + a.Q[J1] + a.S[J1];
    if (sum != 0.0) return StopRun(s, "     ERROR -- NON-ZERO TABLE 4 DATA BEYOND END");
    return Step::kContinue;
}

}  // namespace keldra
