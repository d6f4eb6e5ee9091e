// The common procedure of every p-y model: stations, sides, depths, the
// accumulated resistance of the layer, and the output of each curve to the
// report and to SOILDATA.
#include <cmath>

#include "engine/fixed_line.h"
#include "engine/py_model.h"
#include "engine/py_models.h"
#include "engine/py_multipliers.h"

namespace keldra {

namespace {

constexpr int kRecordsPerStation = 2 * kCurvePoints;  // both sides in SOILDATA
constexpr int kPointField = 20;

FixedLine& Field(FixedLine& line, const PointLayout& layout, double value) {
    switch (layout.field) {
        case 'E':
            return line.E(kPointField, layout.decimals, value);
        case 'G':
            return line.G(kPointField, layout.decimals, value);
        default:
            return line.F(kPointField, layout.decimals, value);
    }
}

void WritePoints(std::FILE* report, const PyModel& model, const StationSide& st,
                 const CurvePoints& c) {
    const PointLayout layout = model.Layout();
    for (int m = 1; m <= kCurvePoints; ++m) {
        FixedLine line;
        line.X(21);
        Field(line, layout, c.y[m]);
        Field(line, layout, c.p[m]).WriteTo(report);
        model.AfterPointLine(report, m, c);
    }
    if (!layout.multiplierLine) return;
    WriteEmptyLine(report);
    FixedLine()
        .X(21)
        .Text(" P-Multiplier = ")
        .E(10, 3, st.pm)
        .Text(" Y-Multiplier = ")
        .E(10, 3, st.ym)
        .WriteTo(report);
}

// Station record, then the point records of this side: point, p', y'.
void WriteRecords(std::FILE* soildata, const EngineState& s, const PyModel& model,
                  const StationSide& st, const CurvePoints& c) {
    if (st.side == Side::kExcavation) {
        std::fprintf(soildata, "%.10E %d\n", s.grid.HFREE + st.XSTA, kRecordsPerStation);
    }
    const PointLayout layout = model.Layout();
    for (int m = 1; m <= kCurvePoints; ++m) {
        FixedLine()
            .I(5, m)
            .X(layout.blanksBeforeP)
            .E(10, 3, c.p[m])
            .X(layout.blanksBeforeY)
            .E(10, 3, c.y[m])
            .WriteTo(soildata);
    }
}

bool Finite(const CurvePoints& c) {
    for (int m = 1; m <= kCurvePoints; ++m) {
        if (!std::isfinite(c.y[m]) || !std::isfinite(c.p[m])) return false;
    }
    return true;
}

double ResistanceOfLayersAbove(const SoilProfile& p, int n) {
    double S = 0.0;
    for (int m = 1; m < n; ++m) S += p.layer[m].RACC;
    return S;
}

}  // namespace

PerLength::PerLength(const UnitLabels& u, const char* power) {
    const char* stars = *power == '\0' ? "" : "**";
    length_ = std::snprintf(text_, sizeof text_, "%s/%s%s%s", u.F3, u.L2, stars, power);
}

void WriteSideOpener(std::FILE* report, Side side) {
    WriteEmptyLine(report);
    WriteEmptyLine(report);
    FixedLine()
        .X(9)
        .Text(side == Side::kExcavation ? "AT THE EXCAVATION SIDE" : "AT THE BACKFILL SIDE")
        .WriteTo(report);
}

Step GenerateLayer(PyRun& run, int n, PyModel& model) {
    EngineState& s = run.state();
    SoilProfile& p = s.profile;
    PyLayer& layer = p.layer[n];
    layer.RACC = 0.0;
    layer.XEQ = 0.0;
    const int firstStation = 5 * n - 4;
    const int lastStation = 5 * n;
    double previousResistance = 0.0;

    for (int i = firstStation; i <= lastStation; ++i) {
        const double XSTA = p.XSTA[i];
        const double depthFromTop = s.grid.HFREE + XSTA;
        for (Side side : {Side::kExcavation, Side::kBackfill}) {
            StationSide st{};
            st.n = n;
            st.i = i;
            st.side = side;
            st.first = i == firstStation;
            st.last = i == lastStation;
            st.XSTA = XSTA;
            st.XD = side == Side::kExcavation ? XSTA : depthFromTop;
            st.pm = PYMULT(s, depthFromTop);
            st.ym = YMULT(s, depthFromTop);
            st.continuous = run.continuousWall();
            st.b = run.WIDTHAT(st.XD);
            st.X0 = st.XD - p.layer[1].XTOP;

            if (side == Side::kExcavation) {
                if (model.ReadSoil(run, st) == Step::kStop || run.stopped()) return Step::kStop;
                if (st.first && n > 1) {
                    const double S = ResistanceOfLayersAbove(p, n);
                    if (model.EquivalentDepth(run, st, S, layer.XEQ) == Step::kStop) {
                        return Step::kStop;
                    }
                }
            }
            st.X = st.XD - layer.XTOP + layer.XEQ;

            const double resistance = model.Resistance(st);
            if (side == Side::kExcavation) {
                if (!st.first) {
                    layer.RACC += (XSTA - p.XSTA[i - 1]) * 0.5 * (resistance + previousResistance);
                }
                if (st.last && model.AccumulatesBelowLastStation()) {
                    layer.RACC += (layer.XBOT - XSTA) * resistance;
                }
                previousResistance = resistance;
            }

            CurvePoints curve{};
            model.Curve(st, curve);
            if (!Finite(curve)) {
                const FixedLine message =
                    FixedLine()
                        .Text("     ERROR STOP -- NO P-Y CURVE FOR THE SOIL DATA OF LAYER")
                        .I(3, n);
                return run.Stop(message.View());
            }
            model.WriteHeading(run.report(), s.labels, st);
            WritePoints(run.report(), model, st, curve);
            WriteRecords(run.soildata(), s, model, st, curve);
        }
    }
    return Step::kContinue;
}

Step GeneratePyCurves(PyRun& run) {
    const SoilProfile& p = run.profile();
    for (int n = 1; n <= p.NPY; ++n) {
        Step step = Step::kContinue;
        switch (p.layer[n].KSOIL) {
            case 2:
                step = GenerateStiffClayFreeWater(run, n);
                break;
            case 3:
                step = GenerateStiffClayNoFreeWater(run, n);
                break;
            case 4:
                step = GenerateSand(run, n);
                break;
            case 5:
                step = GenerateSilt(run, n);
                break;
            case 6:
                step = GenerateStrongRock(run, n);
                break;
            case 7:
                step = GenerateWeakRock(run, n);
                break;
            default:
                step = GenerateSoftClay(run, n);
                break;
        }
        if (step == Step::kStop) return Step::kStop;
    }
    return Step::kContinue;
}

}  // namespace keldra
