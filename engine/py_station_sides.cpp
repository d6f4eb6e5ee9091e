// The common procedure of every p-y model: stations, sides, depths, the
// accumulated resistance of the layer, and the output of each curve to the
// report and to SOILDATA.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "engine/fixed_line.h"
#include "engine/generation.h"
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

void WritePoints(OutputFile& report, const PyModel& model, const StationSide& st,
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
void WriteRecords(OutputFile& soildata, const EngineState& s, const PyModel& model,
                  const StationSide& st, const CurvePoints& c) {
    if (st.side == Side::kExcavation) {
        FixedLine()
            .Scientific(kSoilDataDecimals, s.grid.HFREE + st.XSTA)
            .X(1)
            .Integer(kRecordsPerStation)
            .WriteTo(soildata);
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

// Station i of layer n on one side, with every depth but X (which waits for
// the layer's equivalent depth).
StationSide At(PyRun& run, int n, int i, Side side) {
    EngineState& s = run.state();
    const SoilProfile& p = s.profile;
    StationSide st{};
    st.n = n;
    st.i = i;
    st.side = side;
    st.first = i == 5 * n - 4;
    st.last = i == 5 * n;
    st.XSTA = p.XSTA[i];
    const double depthFromTop = s.grid.HFREE + st.XSTA;
    st.XD = side == Side::kExcavation ? st.XSTA : depthFromTop;
    st.X0 = st.XD - p.layer[1].XTOP;
    st.b = run.WIDTHAT(st.XD);
    st.pm = PYMULT(s, depthFromTop);
    st.ym = YMULT(s, depthFromTop);
    st.continuous = run.continuousWall();
    return st;
}

// RACC of the layer on the excavation side: the trapezoidal sum of the
// resistance over its stations, for sand and silt also the part below the
// last station.
void Accumulate(SoilProfile& p, const StationSide& st, double resistance, double previous,
                bool belowLastStation) {
    PyLayer& layer = p.layer[st.n];
    if (!st.first) layer.RACC += (st.XSTA - p.XSTA[st.i - 1]) * 0.5 * (resistance + previous);
    if (st.last && belowLastStation) layer.RACC += (layer.XBOT - st.XSTA) * resistance;
}

}  // namespace

PerLength::PerLength(const UnitLabels& u, const char* power) {
    const char* stars = *power == '\0' ? "" : "**";
    const FixedLine unit = FixedLine().Text(u.F3).Text("/").Text(u.L2).Text(stars).Text(power);
    const std::string_view text = unit.View();
    length_ = static_cast<int>(std::min(text.size(), sizeof text_ - 1));
    std::memcpy(text_, text.data(), static_cast<std::size_t>(length_));
}

void WriteSideOpener(OutputFile& report, Side side, int emptyLinesAfter) {
    WriteEmptyLine(report);
    WriteEmptyLine(report);
    FixedLine()
        .X(9)
        .Text(side == Side::kExcavation ? "AT THE EXCAVATION SIDE" : "AT THE BACKFILL SIDE")
        .WriteTo(report);
    for (int line = 0; line < emptyLinesAfter; ++line) WriteEmptyLine(report);
}

void PointwiseModel::Curve(const StationSide& st, CurvePoints& out) const {
    const std::optional<double> initialModulus = InitialModulus();
    const double shift = st.side == Side::kExcavation ? -PASHIFT_ : PASHIFT_;
    for (int m = 1; m <= kCurvePoints; ++m) {
        const double y = Deflection(m, st.b);
        double p = ResistanceAt(y);
        if (initialModulus) p = std::min(p, *initialModulus * y);
        out.y[m] = st.ym * y;
        out.p[m] = st.pm * p + shift;
    }
}

Step GenerateLayer(PyRun& run, int n, PyModel& model) {
    EngineState& s = run.state();
    PyLayer& layer = s.profile.layer[n];
    layer.RACC = 0.0;
    layer.XEQ = 0.0;
    double previousResistance = 0.0;
    for (int i = 5 * n - 4; i <= 5 * n; ++i) {
        for (Side side : {Side::kExcavation, Side::kBackfill}) {
            StationSide st = At(run, n, i, side);
            if (side == Side::kExcavation) {
                if (model.ReadSoil(run, st) == Step::kStop || run.stopped()) return Step::kStop;
                if (st.first && n > 1 &&
                    model.EquivalentDepth(run, st, ResistanceOfLayersAbove(s.profile, n),
                                          layer.XEQ) == Step::kStop) {
                    return Step::kStop;
                }
            }
            st.X = st.XD - layer.XTOP + layer.XEQ;

            const double resistance = model.Resistance(st);
            if (side == Side::kExcavation) {
                Accumulate(s.profile, st, resistance, previousResistance,
                           model.AccumulatesBelowLastStation());
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
    using LayerModel = Step (*)(PyRun&, int);
    // By soil type code from 1; entry 0 is not used.
    constexpr LayerModel kModelOfType[] = {GenerateSoftClay,
                                           GenerateSoftClay,
                                           GenerateStiffClayFreeWater,
                                           GenerateStiffClayNoFreeWater,
                                           GenerateSand,
                                           GenerateSilt,
                                           GenerateStrongRock,
                                           GenerateWeakRock};
    constexpr int kTypes = sizeof kModelOfType / sizeof kModelOfType[0];
    const SoilProfile& p = run.profile();
    for (int n = 1; n <= p.NPY; ++n) {
        const int type = p.layer[n].KSOIL;
        // Codes outside 1..7 are generated as soft clay.
        const LayerModel model = type >= 1 && type < kTypes ? kModelOfType[type] : GenerateSoftClay;
        if (model(run, n) == Step::kStop) return Step::kStop;
    }
    return Step::kContinue;
}

}  // namespace keldra
