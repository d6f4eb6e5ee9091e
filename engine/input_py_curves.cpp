#include "engine/input_py_curves.h"

#include "engine/curve_store.h"
#include "engine/fixed_line.h"
#include "engine/generation.h"
#include "engine/plot_data.h"
#include "engine/report_blocks.h"
#include "engine/run_stop.h"

namespace keldra {

namespace {

void EchoCurveHeader(OutputFile& report) {
    WriteEmptyLine(report);
    FixedLine()
        .Text("     FROM TO CONTD      P-MULTIPLIER  Y-MULTIPLIER'      POINTS     ")
        .WriteTo(report);
    WriteEmptyLine(report);
    WriteEmptyLine(report);
}

void EchoPointHeader(EngineState& s) {
    OutputFile& report = s.files.report;
    const UnitLabels& u = s.labels;
    WriteEmptyLine(report);
    WriteEmptyLine(report);
    FixedLine().X(18).Text("    Y    ").X(12).Text("   P    ").WriteTo(report);
    FixedLine().X(18).X(2).A(3, u.L).X(16).A(4, u.F).A(1, "/").A(2, u.L2).WriteTo(report);
    FixedLine().X(18).Text("---------").X(12).Text("--------").WriteTo(report);
}

// The curve line follows the columns of the distributed groups: a curve that
// starts a joined range shows its station as FROM, one that ends a range as TO.
void EchoCurveLine(OutputFile& report, int ksw, int station, int c, double pm, double ym, int n) {
    FixedLine line;
    switch (ksw) {
        case 2:
            line.X(5).I(4, station).X(4).I(3, c).X(5).E(14, 3, pm).E(14, 3, ym).X(10).I(3, n);
            break;
        case 3:
        case 4:
            line.X(9).I(4, station).I(3, c).X(5).E(14, 3, pm).E(14, 3, ym).X(10).I(3, n);
            break;
        default:
            line.X(5)
                .I(4, station)
                .I(4, station)
                .I(3, c)
                .X(5)
                .E(14, 3, pm)
                .E(14, 3, ym)
                .X(8)
                .I(4, n);
            break;
    }
    line.WriteTo(report);
}

Step CheckPointCount(EngineState& s, int n) {
    if (n < 2 || n > kMaxCurvePoints) {
        return StopRun(s, "     ERROR -- A USER P-Y CURVE NEEDS 2 TO " +
                              std::to_string(kMaxCurvePoints) + " POINTS");
    }
    return Step::kContinue;
}

Step CheckCurveCount(EngineState& s, int count) {
    if (count > kMaxCurves) return StopTooMuchData(s, MoreThan(kMaxCurves, "P-Y CURVES"));
    return Step::kContinue;
}

// Reads, multiplies and echoes the user curves into s.user; in the user-only
// case also stores them and writes their plot records.
Step ReadUserCurves(EngineState& s, FreeFormatReader& in, bool user_only) {
    OutputFile& report = s.files.report;
    const int NUPY = s.control.NUPY;
    WriteBoxedTitle(report, "*     INPUTTED  SOIL RESISTANCE (P-Y) CURVES     *");
    WriteEmptyLine(report);
    if (user_only) WritePlotIntegers(s.files.plot, s.control.KUNIT, NUPY);
    if (CheckCurveCount(s, NUPY) == Step::kStop) return Step::kStop;
    int c_prev = 0;
    for (int k = 1; k <= NUPY; ++k) {
        UserCurve& curve = s.user.curve[k];
        double pm = 1.0, ym = 1.0;
        if (!in.Read(curve.station, curve.points, pm, ym)) return StopOnReadFailure(s, in);
        if (CheckPointCount(s, curve.points) == Step::kStop) return Step::kStop;
        const int c = user_only && curve.station * s.grid.H >= s.grid.HFREE ? 1 : 0;
        EchoCurveHeader(report);
        EchoCurveLine(report, user_only ? 2 * c_prev + c + 1 : 3, curve.station, user_only ? c : 0,
                      pm, ym, curve.points);
        c_prev = c;
        EchoPointHeader(s);
        for (int m = 1; m <= curve.points; ++m) {
            double y = 0.0, p = 0.0;
            if (!in.Read(y, p)) return StopOnReadFailure(s, in);
            curve.y[m] = y * ym;
            curve.p[m] = p * pm;
            if (m > 1 && curve.y[m] < curve.y[m - 1]) {
                return StopRun(s,
                               "     ERROR -- DEFLECTIONS OF A USER P-Y CURVE MUST NOT DECREASE");
            }
            FixedLine().X(17).E(10, 3, curve.y[m]).X(10).E(10, 3, curve.p[m]).WriteTo(report);
        }
        if (!user_only) continue;
        if (StoreCurve(s, k, curve.station, c, curve.points, curve.y, curve.p) == Step::kStop) {
            return Step::kStop;
        }
        WritePlotIntegers(s.files.plot, curve.station, curve.points);
        for (int m = 1; m <= curve.points; ++m) {
            WritePlotCurvePoint(s.files.plot, curve.y[m], curve.p[m]);
        }
    }
    if (user_only) s.curves.count = NUPY;
    return Step::kContinue;
}

}  // namespace

Step ReadPyCurves(EngineState& s, FreeFormatReader& in) {
    const bool generated = s.control.KPYOP == 2;
    const int NUPY = s.control.NUPY;
    if (!generated && NUPY == 0) {
        s.curves.count = 0;
        WritePlotIntegers(s.files.plot, s.control.KUNIT, 0);
        return Step::kContinue;
    }
    if (NUPY > 0 && ReadUserCurves(s, in, !generated) == Step::kStop) return Step::kStop;
    if (!generated) return Step::kContinue;
    if (GenerateSoilData(s) == Step::kStop) return Step::kStop;
    return ReadSoilData(s);
}

}  // namespace keldra
